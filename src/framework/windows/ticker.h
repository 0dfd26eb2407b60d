#pragma once

#include <functional>
#include <memory>

namespace pellax {

// A periodic clock on the GUI thread. The program's come from Qt timers; tests
// install a source whose tickers they step by hand, so that motion and
// animation are checked tick by tick without waiting.
class Ticker {
public:
    // Called once per tick with the periods that ended since the tick before
    // it without a tick of their own: 0 on time, more when the event loop was
    // too busy to deliver them. Over time the ticks and the skipped periods
    // add up to one per period.
    using Callback = std::function<void(long long skipped)>;
    virtual ~Ticker() = default;

    // Period in milliseconds; 0 delivers no ticks.
    virtual void setInterval(int ms) = 0;
    virtual int interval() const noexcept = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const noexcept = 0;
    // Ticks are due: enabled with a period above 0.
    bool running() const noexcept { return enabled() && interval() > 0; }

    // A parked ticker delivers nothing, so the process can sleep, but keeps
    // counting the periods that pass; unparked, it goes on in the same phase.
    virtual void setParked(bool parked) = 0;
    virtual bool parked() const noexcept = 0;
    // The periods that have passed while parked since the last call, also when
    // it has been unparked since; the part of a period left over counts
    // towards the next.
    virtual long long takeMissed() = 0;
};

class TickerSource {
public:
    virtual ~TickerSource() = default;
    // A new ticker, disabled, period 0. Raises EOutOfResources when the
    // platform has no timer to give.
    virtual std::unique_ptr<Ticker> create(Ticker::Callback onTick) = 0;
};

// Tickers on QTimer.
class QtTickerSource final : public TickerSource {
public:
    std::unique_ptr<Ticker> create(Ticker::Callback onTick) override;
};

}  // namespace pellax
