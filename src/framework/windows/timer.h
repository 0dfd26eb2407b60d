#pragma once

#include "framework/windows/component.h"
#include "framework/windows/ticker.h"

#include <functional>
#include <memory>

namespace pellax {

// A window timer: calls OnTimer every Interval milliseconds while Enabled, on
// the GUI thread and through the application's guard. Interval 0, no handler or
// Enabled false: no ticks. Its clock comes from the application's ticker source.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner, QString name = {});
    ~TTimer() override;

    int Interval() const noexcept { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    void SetOnTimer(std::function<void()> handler);

    // A parked timer calls nothing, so an idle program sleeps, but counts the
    // periods that pass; CatchUp (and unparking) hands them to OnCatchUp at
    // once, or to OnTimer one by one when there is no OnCatchUp. What a
    // parked timer drives thus ends where ticking would have left it.
    bool Parked() const noexcept { return ticker_->parked(); }
    void SetParked(bool parked);
    void CatchUp();
    void SetOnCatchUp(std::function<void(long long periods)> handler) { onCatchUp_ = std::move(handler); }

    // A tick that comes late, the event loop having been busy, stands for the
    // periods that ended since the tick before it: OnLate gets the ones it
    // skipped, then OnTimer runs once, so that what the timer drives keeps its
    // pace in time at the cost of one tick. Without OnLate they are dropped, as
    // the desktop's own timers drop them.
    void SetOnLate(std::function<void(long long periods)> handler) { onLate_ = std::move(handler); }

    const Ticker& ticker() const noexcept { return *ticker_; }

private:
    void update();

    std::unique_ptr<Ticker> ticker_;
    std::function<void()> onTimer_;
    std::function<void(long long)> onCatchUp_;
    std::function<void(long long)> onLate_;
    int interval_ = 1000;
    bool enabled_ = true;
};

}  // namespace pellax
