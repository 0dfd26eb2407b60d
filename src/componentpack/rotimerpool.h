#pragma once

#include "framework/windows/component.h"

#include <functional>
#include <vector>

namespace pellax {

class TTimer;

// Hands out timers that it owns, so that components can share one owner for
// their timers and give them back when done.
class TROTimerPool : public TComponent {
public:
    explicit TROTimerPool(TComponent* owner, QString name = {});
    ~TROTimerPool() override;

    // A running timer of `intervalMs` that calls `onTimer`.
    TTimer& Acquire(int intervalMs, std::function<void()> onTimer);
    // Stops the timer; it is handed out again by a later Acquire.
    void Release(TTimer& timer);
    int Active() const noexcept { return active_; }

private:
    std::vector<TTimer*> idle_;
    int active_ = 0;
};

}  // namespace pellax
