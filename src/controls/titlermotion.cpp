#include "controls/titlermotion.h"

#include <cstdint>
#include <limits>

namespace pellax {

bool TitlerMotion::SetStep(int step) noexcept {
    if (step < 1 || step == step_)
        return false;
    step_ = step;
    return true;
}

void TitlerMotion::Tick(long long ticks) noexcept {
    if (ticks <= 0)
        return;
    constexpr int kMax = std::numeric_limits<int>::max();
    const long long room = static_cast<long long>(kMax) - offset_;
    offset_ = ticks > room / step_ ? kMax : offset_ + static_cast<int>(ticks * step_);
}

void TitlerMotion::Wrap(int lineHeight, int lineCount, int height) noexcept {
    const std::int64_t end = static_cast<std::int64_t>(lineHeight) * lineCount + height;
    if (end < offset_)
        offset_ = 0;
}

TRect titlerTextRect(int width, int height, int clientBottom, int scrollOffset) noexcept {
    return {2, height - scrollOffset, width - 3, clientBottom - 1};
}

}  // namespace pellax
