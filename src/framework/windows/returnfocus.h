#pragma once

#include <QPointer>
#include <QWidget>

namespace pellax {

// Hands the focus back to a window when a dialog or modal window shown over it
// ends, however it ends. The windows draw their own frames, and window managers
// (openbox, for one) then fall back to another of the program's windows.
class ReturnFocus {
public:
    explicit ReturnFocus(QWidget* window) : window_(window) {}
    ~ReturnFocus() {
        if (window_ && window_->isVisible())
            window_->activateWindow();
    }
    ReturnFocus(const ReturnFocus&) = delete;
    ReturnFocus& operator=(const ReturnFocus&) = delete;

private:
    QPointer<QWidget> window_;
};

}  // namespace pellax
