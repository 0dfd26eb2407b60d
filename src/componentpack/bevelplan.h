#pragma once

#include "framework/paint/color.h"
#include "framework/paint/geometry.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pellax {

enum TROBevelStyle : std::uint8_t { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum TROBevelMode : std::uint8_t { bmCustom, bmStandard, bmEdge };
enum TROBorderStyle : std::uint8_t {
    lsNone, lsSingle, lsLowered, lsRaised, lsRaisedspb, lsLoweredspb, lsRaisedExt, lsLoweredExt,
    lsFrameInset, lsFrameOffset, lsWindowBorder, lsSingleRaised, lsSingleLowered, lsDoubleRaised, lsDoubleLowered,
};
enum TROEdgeStyle : std::uint8_t {
    etRaisedInner, etRaisedOuter, etSunkenInner, etSunkenOuter, etBump, etEtched, etRaised, etSunken,
};
enum TROFrameSide : std::uint8_t { fsBottom, fsLeft, fsRight, fsTop };
// A set of sides: bit n for the side of ordinal n.
using TROFrameSides = std::uint8_t;

constexpr TROFrameSides frameSides(std::initializer_list<TROFrameSide> sides) {
    TROFrameSides set = 0;
    for (const TROFrameSide s : sides)
        set = static_cast<TROFrameSides>(set | (1u << s));
    return set;
}
inline constexpr TROFrameSides kAllFrameSides = frameSides({fsBottom, fsLeft, fsRight, fsTop});

inline constexpr int kMaxBevelWidth = 50;
inline constexpr int kMaxBorderWidth = 255;

// The thirteen settings of a bevel, with their defaults.
struct BevelSettings {
    TROBevelStyle StyleInner = bvNone;
    TROBevelStyle StyleOuter = bvNone;
    int WidthInner = 1;
    int WidthOuter = 1;
    TColor BorderColor = clBtnFace;
    int BorderInnerWidth = 0;
    int BorderWidth = 0;
    TROFrameSides BorderSides = kAllFrameSides;
    TROEdgeStyle EdgeStyle = etEtched;
    TColor LightColor = clBtnHighlight;
    TROBevelMode Mode = bmCustom;
    TColor ShadowColor = clBtnShadow;
    TROBorderStyle StandardStyle = lsSingleLowered;
    friend bool operator==(const BevelSettings&, const BevelSettings&) = default;
};

// Pixels a standard border look takes on a side.
int StandardBorderWidth(TROBorderStyle style);
// Pixels the whole bevel takes on a side; 0 means it draws nothing.
int bevelOverallWidth(const BevelSettings& s);

// One canvas operation of a bevel.
struct BevelStep {
    enum class Kind {
        FillRect,   // `rect` in `color`
        FrameRect,  // one-pixel outline inside `rect` in `color`
        Polyline,   // `points` joined in `color`, one pixel wide, the last point left out
        Polygon,    // inside of `points` in `color`, without an outline
        Rectangle,  // face `rect` in `color`, outlined by a pen of `penWidth` in `penColor`
        Edge,       // the desktop's edge painter on `rect` with `edge` and `flags`
    };
    Kind kind = Kind::FillRect;
    TRect rect{};
    TColor color = clBlack;
    std::vector<TPoint> points;
    TColor penColor = clBlack;
    int penWidth = 1;
    unsigned edge = 0;
    unsigned flags = 0;
    friend bool operator==(const BevelStep&, const BevelStep&) = default;
};

struct BevelPlan {
    std::vector<BevelStep> steps;  // in painting order
    TRect inner;                   // what is left inside the bevel
};

// What a bevel with settings `s` paints into `rect`. With `skipBorderFill`
// the bands and the shadow box's background are left unpainted, though the
// rectangle still shrinks by them.
BevelPlan planBevel(const BevelSettings& s, const TRect& rect, bool skipBorderFill);

}  // namespace pellax
