#pragma once

#include <QApplication>

namespace pellax {

// A last safety net: an exception that escapes an event handler in spite of the
// guards is reported by the application's handler instead of crossing Qt.
// It also installs the accessible interfaces the program's controls need.
class GuardedQApplication final : public QApplication {
public:
    GuardedQApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace pellax
