#include "framework/windows/ticker.h"

#include "framework/files/exception.h"

#include <QElapsedTimer>
#include <QTimer>

#include <utility>

namespace pellax {

namespace {

class QtTicker final : public Ticker {
public:
    explicit QtTicker(Callback onTick) : onTick_(std::move(onTick)) {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            lastTick_ = clock_.elapsed();
            // The first tick after unparking finishes the period begun before;
            // the regular period follows.
            if (timer_.interval() != interval_)
                timer_.start(interval_);
            onTick_();
        });
    }

    void setInterval(int ms) override {
        count();
        interval_ = ms < 0 ? 0 : ms;
        restart(0);
    }
    int interval() const noexcept override { return interval_; }
    void setEnabled(bool enabled) override {
        count();
        enabled_ = enabled;
        restart(0);
    }
    bool enabled() const noexcept override { return enabled_; }

    void setParked(bool parked) override {
        if (parked == parked_)
            return;
        if (parked) {
            carried_ = running() ? clock_.elapsed() - lastTick_ : 0;
            parkedAt_ = clock_.elapsed();
            parked_ = true;
            timer_.stop();
            return;
        }
        count();
        parked_ = false;
        restart(carried_);
    }
    bool parked() const noexcept override { return parked_; }

    long long takeMissed() override {
        count();
        return std::exchange(missed_, 0);
    }

private:
    // Adds the periods passed while parked to the missed ones.
    void count() {
        if (!parked_ || !running())
            return;
        const qint64 now = clock_.elapsed();
        const qint64 passed = carried_ + (now - parkedAt_);
        parkedAt_ = now;
        carried_ = passed % interval_;
        missed_ += passed / interval_;
    }

    // (Re)starts the clock with `done` milliseconds of the current period behind it.
    void restart(qint64 done) {
        if (parked_) {
            carried_ = 0;
            parkedAt_ = clock_.elapsed();
            return;
        }
        if (!running()) {
            timer_.stop();
            return;
        }
        lastTick_ = clock_.elapsed() - done;
        timer_.start(static_cast<int>(interval_ - done));
        if (timer_.timerId() < 0)
            throw EOutOfResources(QStringLiteral("Not enough timers available"));
    }

    Callback onTick_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastTick_ = 0;
    qint64 parkedAt_ = 0;
    qint64 carried_ = 0;
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
