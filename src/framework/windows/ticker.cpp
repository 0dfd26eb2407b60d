#include "framework/windows/ticker.h"

#include "framework/files/exception.h"
#include "framework/windows/tickschedule.h"

#include <QElapsedTimer>
#include <QTimer>

#include <utility>

namespace pellax {

namespace {

// Each tick arms a single shot for the end of the next period, so that a late
// tick does not push the ones after it back; precise, because a coarse timer
// may come early and leave a period with no tick.
class QtTicker final : public Ticker {
public:
    explicit QtTicker(Callback onTick) : onTick_(std::move(onTick)) {
        clock_.start();
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const long long periods = schedule_.tick(clock_.elapsed());
            arm();
            if (periods > 0)
                onTick_(periods - 1);
        });
    }

    void setInterval(int ms) override {
        count();
        interval_ = ms < 0 ? 0 : ms;
        restart();
    }
    int interval() const noexcept override { return interval_; }
    void setEnabled(bool enabled) override {
        count();
        enabled_ = enabled;
        restart();
    }
    bool enabled() const noexcept override { return enabled_; }

    void setParked(bool parked) override {
        if (parked == parked_)
            return;
        count();
        parked_ = parked;
        arm();
    }
    bool parked() const noexcept override { return parked_; }

    long long takeMissed() override {
        count();
        return std::exchange(missed_, 0);
    }

private:
    // Adds the periods passed while parked to the missed ones.
    void count() {
        if (parked_ && running())
            missed_ += schedule_.take(clock_.elapsed());
    }

    // A new period length or a start: the first period begins now.
    void restart() {
        schedule_.restart(clock_.elapsed(), running() ? interval_ : 0);
        arm();
    }

    void arm() {
        if (parked_ || !running()) {
            timer_.stop();
            return;
        }
        timer_.start(static_cast<int>(schedule_.untilNext(clock_.elapsed())));
        if (timer_.timerId() < 0)
            throw EOutOfResources(QStringLiteral("Not enough timers available"));
    }

    Callback onTick_;
    QTimer timer_;
    QElapsedTimer clock_;
    TickSchedule schedule_;
    long long missed_ = 0;
    int interval_ = 0;
    bool enabled_ = false;
    bool parked_ = false;
};

}  // namespace

std::unique_ptr<Ticker> QtTickerSource::create(Ticker::Callback onTick) {
    return std::make_unique<QtTicker>(std::move(onTick));
}

}  // namespace pellax
