#include "controls/textanimation.h"

#include "componentpack/colorutils.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <numeric>
#include <random>

namespace pellax {

namespace {

std::mt19937& generator() {
    static std::mt19937 engine;
    return engine;
}

}  // namespace

void reseedRandomFromClock() {
    generator().seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int randomBelow(int n) {
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generator());
}

int startingStep(TTextAnimStyle style, int maxStep, int index, int count) {
    switch (style) {
    case taAll: return 0;
    case taRandom: return randomBelow(maxStep + 1);
    case taWave: {
        const long double angle = static_cast<long double>(index) / count * std::numbers::pi_v<long double>;
        return static_cast<int>(std::sin(angle) * maxStep);
    }
    case taWind: return maxStep * index / count;
    }
    return 0;
}

void LetterSteps::Restart(TTextAnimStyle style, int maxStep, int count) {
    const auto n = static_cast<std::size_t>(count < 0 ? 0 : count);
    steps_.assign(n, 0);
    directions_.assign(n, 1);
    for (std::size_t i = 0; i < n; ++i)
        steps_[i] = startingStep(style, maxStep, static_cast<int>(i), count);
}

void LetterSteps::Advance(int step, int maxStep) noexcept {
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        int& s = steps_[i];
        s += step * directions_[i];
        if (s > maxStep) {
            s = 2 * maxStep - s;
            directions_[i] = -1;
        }
        if (s <= 0) {
            s = -s;
            directions_[i] = 1;
        }
    }
}

void LetterSteps::Advance(int step, int maxStep, long long ticks) noexcept {
    if (ticks <= 0)
        return;
    // A letter's step runs round a circle of 2 x MaxStep positions, Step at a
    // time, folded at MaxStep: after 2 x MaxStep / gcd(2 x MaxStep, Step) ticks
    // every letter is back where it was. One tick settles the states that the
    // circle does not hold (a step of 0 going down).
    Advance(step, maxStep);
    --ticks;
    if (step > 0 && maxStep > 0)
        ticks %= 2 * maxStep / std::gcd(2 * maxStep, step);
    else
        ticks = 0;  // nothing moves any more
    for (long long i = 0; i < ticks; ++i)
        Advance(step, maxStep);
}

void ColorWalk::Reset(TColor startRGB, TColor stopRGB) noexcept {
    const std::array<int, 3> from{GetRValue(startRGB), GetGValue(startRGB), GetBValue(startRGB)};
    const std::array<int, 3> to{GetRValue(stopRGB), GetGValue(stopRGB), GetBValue(stopRGB)};
    span_ = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        start_[c] = static_cast<std::uint8_t>(from[c]);
        delta_[c] = to[c] - from[c];
        span_ = std::max(span_, std::abs(delta_[c]));
    }
    pos_ = 0;
    dir_ = 1;
}

TColor ColorWalk::Next() noexcept {
    std::array<int, 3> value{};
    for (std::size_t c = 0; c < 3; ++c) {
        const int distance = std::abs(delta_[c]);
        const int moved = std::min<int>(pos_, distance);
        value[c] = start_[c] + (delta_[c] < 0 ? -moved : moved);
    }
    pos_ = static_cast<std::uint8_t>(pos_ + dir_);
    if (pos_ == span_ || pos_ == 0)
        dir_ = -dir_;
    return RGB(value[0], value[1], value[2]);
}

void ColorWalk::Skip(long long times, long long each) noexcept {
    if (times <= 0 || each <= 0)
        return;
    // The walk comes back to where it is after a round trip: there and back
    // over its span, or round the whole byte the position is kept in when the
    // two colours are the same.
    const long long cycle = span_ > 0 ? 2LL * span_ : 512;
    for (long long i = (times % cycle) * (each % cycle) % cycle; i > 0; --i)
        Next();
}

TPoint letterOrigin(TAlignment alignment, int width, int height, int totalWidth, int cellHeight) noexcept {
    int x = 0;
    switch (alignment) {
    case taLeftJustify: x = 0; break;
    case taRightJustify: x = width - totalWidth; break;
    case taCenter: x = (width - totalWidth) / 2; break;
    }
    return {x, (height - cellHeight) / 2};
}

}  // namespace pellax
