#pragma once

#include "framework/paint/geometry.h"

namespace pellax {

// How far the credits have risen and when they start again: plain integers, so
// the panel's motion is checked without a window.
class TitlerMotion {
public:
    explicit TitlerMotion(int scrollOffset = 0) noexcept : offset_(scrollOffset) {}

    int ScrollOffset() const noexcept { return offset_; }
    int Step() const noexcept { return step_; }
    // Takes `step` when it is at least 1 and differs from the current step;
    // true when it was taken.
    bool SetStep(int step) noexcept;

    // One tick: the text rises by Step. A panel that is never painted for days
    // stops at the largest offset instead of overflowing; its next paint wraps.
    void Tick() noexcept { Tick(1); }
    // `ticks` ticks at once, as a panel that was not shown catches up.
    void Tick(long long ticks) noexcept;

    // At each paint: once the offset is past the whole block of lines and the
    // panel's height, the text starts again from the bottom edge.
    void Wrap(int lineHeight, int lineCount, int height) noexcept;

private:
    int offset_;
    int step_ = 1;
};

// The rectangle the lines are drawn into, in client coordinates: 2 pixels from
// the left, 3 from the right of the outer width, the first line's top `height`
// minus the offset, the last client row left free.
TRect titlerTextRect(int width, int height, int clientBottom, int scrollOffset) noexcept;

}  // namespace pellax
