#include "framework/windows/tickschedule.h"

#include <algorithm>

namespace pellax {

void TickSchedule::restart(std::int64_t now, int interval, std::int64_t done) noexcept {
    interval_ = std::max(interval, 0);
    mark_ = now - std::max<std::int64_t>(done, 0);
}

long long TickSchedule::take(std::int64_t now) noexcept {
    if (interval_ <= 0 || now <= mark_)
        return 0;
    const long long periods = (now - mark_) / interval_;
    mark_ += periods * interval_;
    return periods;
}

long long TickSchedule::tick(std::int64_t now) noexcept {
    if (interval_ <= 0)
        return 0;
    const long long periods = take(now);
    if (periods > 0)
        return periods;
    mark_ += interval_;
    return 1;
}

std::int64_t TickSchedule::untilNext(std::int64_t now) const noexcept {
    if (interval_ <= 0)
        return 0;
    return std::max<std::int64_t>(mark_ + interval_ - now, 0);
}

}  // namespace pellax
