#include "framework/widgets/guardedqapplication.h"

#include "framework/widgets/accessiblecombo.h"
#include "framework/windows/application.h"

namespace pellax {

GuardedQApplication::GuardedQApplication(int& argc, char** argv) : QApplication(argc, argv) { installComboBoxNames(); }

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
