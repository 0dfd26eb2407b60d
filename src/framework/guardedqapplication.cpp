#include "framework/guardedqapplication.h"

#include "framework/application.h"

namespace pellax {

bool GuardedQApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (Application::exists())
            Application::instance().HandleException(std::current_exception());
        return false;
    }
}

}  // namespace pellax
