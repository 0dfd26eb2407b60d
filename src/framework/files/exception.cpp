#include "framework/files/exception.h"

#include <new>

namespace pellax {

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

QString errorText(std::exception_ptr error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        text = e.message();
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Unknown error");
    }
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

}  // namespace pellax
