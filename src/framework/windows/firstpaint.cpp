#include "framework/windows/firstpaint.h"

#include "framework/windows/application.h"

#include <QEvent>
#include <QWidget>

namespace pellax {

namespace {

class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> then) : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the paint being delivered ends with the flush to the screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const std::function<void()> then = std::move(then_);
                    deleteLater();
                    guarded(then);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) { new FirstPaintWatch(window, std::move(then)); }

}  // namespace pellax
