#include "tool/console.h"

#include "framework/exception.h"
#include "framework/ioerror.h"

#include <cerrno>

namespace pellax {

namespace {

const QString kProgram = QStringLiteral("pellax-tool: ");

}  // namespace

void Console::print(const QByteArray& utf8) {
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), out_);
}

void Console::error(const QString& text) {
    const QByteArray line = (kProgram + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), err_);
}

void Console::fileError(const QString& file, std::exception_ptr failure) {
    error(file + QStringLiteral(": ") + errorText(failure));
}

void Console::notice(const QString& file, const QString& text) { error(file + QStringLiteral(": ") + text); }

bool Console::finish() {
    errno = 0;
    if (std::fflush(out_) == 0 && !std::ferror(out_))
        return true;
    const int err = errno != 0 ? errno : EIO;
    error(QStringLiteral("standard output: ") + ioErrorText(ioCodeFromErrno(err)) + QLatin1Char('.'));
    return false;
}

}  // namespace pellax
