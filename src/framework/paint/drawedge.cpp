#include "framework/paint/drawedge.h"

#include "framework/paint/canvas.h"
#include "framework/paint/color.h"

namespace pellax {

namespace {

struct LineColors {
    int topLeft;
    int bottomRight;
};

// The colours of one border line: `raised` or sunken, the outer or the inner line.
LineColors lineColors(bool raised, bool outer, bool soft) {
    if (raised) {
        if (outer)
            return {soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
        return {soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    }
    if (outer)
        return {soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    return {soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void addLine(std::vector<EdgeStrip>& strips, const TRect& r, unsigned sides, LineColors c) {
    if (sides & BF_LEFT)
        strips.push_back({{r.Left, r.Top, r.Left + 1, r.Bottom}, c.topLeft});
    if (sides & BF_TOP)
        strips.push_back({{r.Left, r.Top, r.Right, r.Top + 1}, c.topLeft});
    if (sides & BF_RIGHT)
        strips.push_back({{r.Right - 1, r.Top, r.Right, r.Bottom}, c.bottomRight});
    if (sides & BF_BOTTOM)
        strips.push_back({{r.Left, r.Bottom - 1, r.Right, r.Bottom}, c.bottomRight});
}

TRect shrink(TRect r, unsigned sides) {
    if (sides & BF_LEFT)
        ++r.Left;
    if (sides & BF_TOP)
        ++r.Top;
    if (sides & BF_RIGHT)
        --r.Right;
    if (sides & BF_BOTTOM)
        --r.Bottom;
    return r;
}

}  // namespace

EdgePlan planEdge(const TRect& r, unsigned edge, unsigned flags) {
    EdgePlan plan;
    const unsigned sides = flags & BF_RECT;
    const bool soft = (flags & BF_SOFT) != 0;
    TRect line = r;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
        addLine(plan.strips, line, sides, lineColors((edge & BDR_RAISEDOUTER) != 0, true, soft));
        line = shrink(line, sides);
    }
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
        addLine(plan.strips, line, sides, lineColors((edge & BDR_RAISEDINNER) != 0, false, soft));
        line = shrink(line, sides);
    }
    plan.adjusted = (flags & BF_ADJUST) ? line : r;
    return plan;
}

bool DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags) {
    const EdgePlan plan = planEdge(r, edge, flags);
    const TBrush brush = canvas.Brush();
    const TBkMode mode = canvas.BkMode();
    for (const EdgeStrip& strip : plan.strips) {
        canvas.SetBrushColor(systemColor(strip.colorIndex));
        canvas.FillRect(strip.rect);
    }
    canvas.SetBrush(brush);
    canvas.SetBkMode(mode);
    r = plan.adjusted;
    return true;
}

}  // namespace pellax
