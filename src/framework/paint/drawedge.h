#pragma once

#include "framework/paint/geometry.h"

#include <vector>

namespace pellax {

class TCanvas;

// Border lines of an edge, with the desktop's values.
inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// Sides and options of an edge.
inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
inline constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_SOFT = 0x1000;
inline constexpr unsigned BF_ADJUST = 0x2000;

// One pixel wide strip of an edge in a desktop colour (a COLOR_* index).
struct EdgeStrip {
    TRect rect;
    int colorIndex = 0;
    friend bool operator==(const EdgeStrip&, const EdgeStrip&) = default;
};

struct EdgePlan {
    // In painting order: each border line's top and left strips, then its
    // bottom and right ones, which therefore own the two corners they share.
    std::vector<EdgeStrip> strips;
    // `r` after BF_ADJUST: shrunk on the selected sides by the lines drawn
    // there; `r` itself without BF_ADJUST.
    TRect adjusted;
};

// The strips the desktop's edge painter draws for `edge` on the sides in
// `flags`: the outer line along `r`, the inner one inside it. Raised lines are
// light at the top and left and dark at the bottom and right, sunken ones the
// other way round; BF_SOFT gives the outer line the stronger colour of its
// kind at the top and left and the inner one the milder.
EdgePlan planEdge(const TRect& r, unsigned edge, unsigned flags);

// Paints the plan in the canvas's desktop colours; with BF_ADJUST `r` becomes
// the rectangle inside the edge. Leaves the canvas's pen and brush as they were.
bool DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags);

}  // namespace pellax
