#pragma once

#include "componentpack/ro3dcaption.h"
#include "framework/paint/geometry.h"

#include <array>
#include <cstdint>
#include <span>

namespace pellax {

// Flags of DrawEffectText.
inline constexpr std::uint16_t etEnabled = 0x0002;     // the owner is enabled
inline constexpr std::uint16_t etAutoSunken = 0x0004;  // with dsAuto, a disabled caption is drawn sunken
inline constexpr std::uint16_t etClip = 0x0008;        // clip to the clip rectangle, or to the text rectangle

// 0: a TRO3DCaption; 1: a TROFxCaption at angle 0; 2: a turned TROFxCaption.
int effectKind(const TRO3DCaption& caption) noexcept;

// One copy of the text: how far it moves (across and down) from where the
// previous copy was drawn, where it lands from the starting corner, its colour.
struct EffectCopy {
    int move = 0;
    int at = 0;
    TColor color = 0;
    friend bool operator==(const EffectCopy&, const EffectCopy&) = default;
};

// Everything DrawEffectText draws, worked out without a canvas: the style in
// effect, the colour of the text face, how far the rectangle's right edge is
// pulled in, and the copies in drawing order.
struct EffectPlan {
    TROThreeDStyle style = TROThreeDStyle::tdNone;
    TColor mainColor = 0;
    int rightReduction = 0;
    std::array<EffectCopy, 3> copyList{};
    int copyCount = 0;

    std::span<const EffectCopy> copies() const noexcept {
        return {copyList.data(), static_cast<std::size_t>(copyCount)};
    }
};

// The plan for `caption` drawn with `flags` (et*) by a canvas whose font and
// brush colours are `fontColor` and `brushColor`.
EffectPlan planEffectText(const TRO3DCaption& caption, std::uint16_t flags, TColor fontColor, TColor brushColor);

// Pixels a style adds to the right and the bottom of the text it draws.
int depthMargin(TROThreeDStyle style, int lightDepth, int shadowDepth) noexcept;

// How far a turned caption's text starts in from the centred position: half
// the depth of the style's copies, less one, never negative.
int rotatedStartInset(TROThreeDStyle style, int lightDepth, int shadowDepth) noexcept;

// Nearest integer, halves to the even neighbour.
int roundHalfEven(double value) noexcept;

// Sine and cosine of a whole number of degrees; the values that are exact
// (0, 1/2, 1 and their negatives) come out exact, so halves round as they should.
struct SinCos {
    double sin = 0;
    double cos = 1;
};
SinCos sinCosDegrees(int degrees) noexcept;

// The bounds of `r` turned by `degrees` about its centre, moved so that the
// left-top corner is (0, 0). At 0 degrees `r` is returned as it is.
TRect rotatedBounds(const TRect& r, int degrees) noexcept;

// Where a turned text of `textWidth` x `textHeight` starts inside `bounds` so
// that it sits centred, `inset` pixels up and left of that.
TPoint rotatedTextStart(const TRect& bounds, int textWidth, int textHeight, int degrees, int inset) noexcept;

}  // namespace pellax
