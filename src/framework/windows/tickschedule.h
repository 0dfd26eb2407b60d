#pragma once

#include <cstdint>

namespace pellax {

// When the ticks of a periodic clock fall due, from elapsed milliseconds alone.
// The clock keeps the end of the last period it has counted; periods are only
// ever counted whole, so whatever the event loop does to the ticks, over time
// they make up exactly one per period.
//
// A tick that comes late stands for every period that ended since the last
// one: the ticker delivers it once and reports the others as skipped, so that
// what it drives can move on by all of them in one paint. A tick that comes a
// moment early takes the period about to end, and the next one is then due a
// whole period after that end, not after the early tick.
class TickSchedule {
public:
    // Counting starts at `now`, with `done` milliseconds of the first period
    // already behind it. An interval below 1 counts nothing.
    void restart(std::int64_t now, int interval, std::int64_t done = 0) noexcept;

    int interval() const noexcept { return interval_; }

    // The whole periods that have ended by `now` and were not counted before;
    // the part of a period left over counts towards the next.
    long long take(std::int64_t now) noexcept;
    // A tick at `now`: the periods it stands for, at least 1 (its own period,
    // and those a late tick skipped). 0 only for a clock that counts nothing.
    long long tick(std::int64_t now) noexcept;
    // Milliseconds from `now` to the end of the current period: when the next
    // tick is due. 0 when it is due already.
    std::int64_t untilNext(std::int64_t now) const noexcept;

private:
    std::int64_t mark_ = 0;  // where the last counted period ended
    int interval_ = 0;
};

}  // namespace pellax
