#pragma once

#include "framework/paint/geometry.h"

#include <cstdint>

namespace pellax {

// Where a label puts its text in its area: three rows by three columns.
enum TROAlignment : std::uint8_t {
    agTopLeft, agTopCenter, agTopRight, agCenterLeft, agCenter, agCenterRight, agBottomLeft, agBottomCenter, agBottomRight,
};

// The DrawText alignment bits of an alignment.
unsigned alignmentLayoutBits(TROAlignment alignment);

// Right-to-left layout: left and right alignment swap, centred stays, and the
// text reads right to left.
unsigned rightToLeftLayoutBits(unsigned format);

// How a label lays its text out when it paints: the DrawText bits, and whether
// the text block is first placed by AlignTextRect (a turned caption, or wrapped
// lines in the centre or bottom row, which the bits cannot place).
struct LabelTextLayout {
    unsigned format = 0;
    bool placeByRect = false;
    friend bool operator==(const LabelTextLayout&, const LabelTextLayout&) = default;
};
LabelTextLayout labelTextLayout(TROAlignment alignment, bool autoSize, bool wordWrap, int angle, bool showAccelChar,
                                bool rightToLeft);

// A block of `width` x `height` placed in `r` by `alignment`; halves truncate
// towards zero, so a block larger than `r` starts before it.
TRect alignedBlock(const TRect& r, int width, int height, TROAlignment alignment);

}  // namespace pellax
