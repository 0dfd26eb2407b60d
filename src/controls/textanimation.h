#pragma once

#include "framework/paint/alignment.h"
#include "framework/paint/color.h"
#include "framework/paint/geometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pellax {

// Starting pattern of the letters' size steps.
enum TTextAnimStyle { taAll, taRandom, taWave, taWind };

// The heading's size animation: every letter's step above the font size, 0 to
// MaxStep points, and whether it is growing (+1) or shrinking (-1).
class LetterSteps {
public:
    // Every letter of `count` starts at its pattern value, growing.
    void Restart(TTextAnimStyle style, int maxStep, int count);
    // One tick: each step moves by `step` in its direction and is reflected at
    // MaxStep and at 0, turning the letter round.
    void Advance(int step, int maxStep) noexcept;
    // `ticks` ticks at once, as a heading that was not shown catches up.
    void Advance(int step, int maxStep, long long ticks) noexcept;

    const std::vector<int>& CharSteps() const noexcept { return steps_; }
    const std::vector<std::int8_t>& CharDirections() const noexcept { return directions_; }
    int CharCount() const noexcept { return static_cast<int>(steps_.size()); }

private:
    std::vector<int> steps_;
    std::vector<std::int8_t> directions_;
};

// The pattern value of letter `index` of `count`.
int startingStep(TTextAnimStyle style, int maxStep, int index, int count);

// The colour that runs along the letters: one position per painted letter, from
// the start colour towards the stop colour and back, each component moving one
// unit per position and resting at its stop value once there.
class ColorWalk {
public:
    // Both colours as 0x00BBGGRR.
    void Reset(TColor startRGB, TColor stopRGB) noexcept;
    // The colour at the current position; then the position moves on.
    TColor Next() noexcept;
    // Moves on as `times` x `each` calls of Next would.
    void Skip(long long times, long long each = 1) noexcept;

    int ColorSpan() const noexcept { return span_; }
    int ColorPos() const noexcept { return pos_; }
    int ColorDir() const noexcept { return dir_; }

private:
    std::array<std::uint8_t, 3> start_{};
    std::array<int, 3> delta_{};
    int span_ = 0;
    std::uint8_t pos_ = 0;
    int dir_ = 1;
};

// Top-left corner of the first letter's cell in a control of the given size.
TPoint letterOrigin(TAlignment alignment, int width, int height, int totalWidth, int cellHeight) noexcept;

// The one size all widths and the cell height are measured at: the font size
// plus MaxStep - 1 points.
constexpr int measuringSize(int fontSize, int maxStep) noexcept { return fontSize + maxStep - 1; }

// The process-wide generator of the random pattern.
void reseedRandomFromClock();
// Uniform in 0 .. n - 1; 0 when n < 1.
int randomBelow(int n);

}  // namespace pellax
