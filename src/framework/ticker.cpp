#include "framework/ticker.h"

#include "framework/exception.h"

#include <QTimer>

namespace pellax {

namespace {

class QtTicker final : public Ticker {
public:
    explicit QtTicker(Callback onTick) : onTick_(std::move(onTick)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { onTick_(); });
    }

    void setInterval(int ms) override {
        interval_ = ms < 0 ? 0 : ms;
        update();
    }
    int interval() const noexcept override { return interval_; }
    void setEnabled(bool enabled) override {
        enabled_ = enabled;
        update();
    }
    bool enabled() const noexcept override { return enabled_; }

private:
    void update() {
        if (!running()) {
            timer_.stop();
            return;
        }
        timer_.start(interval_);
        if (timer_.timerId() < 0)
            throw EOutOfResources(QStringLiteral("Not enough timers available"));
    }

    Callback onTick_;
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

}  // namespace

std::unique_ptr<Ticker> QtTickerSource::create(Ticker::Callback onTick) {
    return std::make_unique<QtTicker>(std::move(onTick));
}

}  // namespace pellax
