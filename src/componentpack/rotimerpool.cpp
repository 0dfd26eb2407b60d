#include "componentpack/rotimerpool.h"

#include "framework/windows/timer.h"

#include <algorithm>

namespace pellax {

TROTimerPool::TROTimerPool(TComponent* owner, QString name) : TComponent(owner, std::move(name)) {}

TROTimerPool::~TROTimerPool() = default;

TTimer& TROTimerPool::Acquire(int intervalMs, std::function<void()> onTimer) {
    TTimer* timer = nullptr;
    if (idle_.empty()) {
        timer = &make<TTimer>();
    } else {
        timer = idle_.back();
        idle_.pop_back();
    }
    timer->SetInterval(intervalMs);
    timer->SetOnTimer(std::move(onTimer));
    timer->SetEnabled(true);
    ++active_;
    return *timer;
}

void TROTimerPool::Release(TTimer& timer) {
    if (timer.Owner() != this || std::find(idle_.begin(), idle_.end(), &timer) != idle_.end())
        return;
    timer.SetEnabled(false);
    timer.SetOnTimer(nullptr);
    idle_.push_back(&timer);
    --active_;
}

}  // namespace pellax
