#include "framework/windows/keyrelease.h"

#include "framework/windows/application.h"

#include <QEvent>
#include <QWidget>

namespace pellax {

namespace {

class KeyReleaseHook final : public QObject {
public:
    KeyReleaseHook(QWidget* widget, std::function<void()> handler) : QObject(widget), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease)
            Application::instance().guard(handler_);
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void onKeyRelease(QWidget* widget, std::function<void()> handler) {
    new KeyReleaseHook(widget, std::move(handler));  // owned by the widget
}

}  // namespace pellax
