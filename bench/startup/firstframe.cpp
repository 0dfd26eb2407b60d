#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace pellax::bench {

namespace {

constexpr int kGiveUpMs = 30000;

long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Watches every event of the application (the native window does not exist
// before the first show, so it cannot be watched directly).
class FirstFrameWatcher final : public QObject {
public:
    explicit FirstFrameWatcher(const QWidget& window) : QObject(QCoreApplication::instance()), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            const QWindow* handle = window_.windowHandle();
            exposed_ = exposed_ || (watched == handle && handle->isExposed());
        } else if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted_ = painted_ || static_cast<QWidget*>(watched)->window() == &window_;
        }
        if (exposed_ && painted_ && !reported_) {
            reported_ = true;
            // Queued: the expose or paint being delivered ends with the flush to the screen.
            QMetaObject::invokeMethod(this, &FirstFrameWatcher::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void report() {
        timespec cpu{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        const long cpuUs = cpu.tv_sec * 1000000L + cpu.tv_nsec / 1000;
        std::printf("peak_kb %ld cpu_us %ld\n", peakResidentKb(), cpuUs);
        std::fflush(stdout);
        std::_Exit(0);
    }

    const QWidget& window_;
    bool exposed_ = false;
    bool painted_ = false;
    bool reported_ = false;
};

}  // namespace

void exitOnFirstFrame(const QWidget& window) {
    QCoreApplication::instance()->installEventFilter(new FirstFrameWatcher(window));
    QTimer::singleShot(kGiveUpMs, [] {
        std::fputs("the window was never shown\n", stderr);
        std::_Exit(3);
    });
}

}  // namespace pellax::bench
