#include "componentpack/bevel.h"

#include "framework/paint/canvas.h"
#include "framework/paint/drawedge.h"

#include <algorithm>

namespace pellax {

template <class T>
void TROBevel::set(T& field, T value) {
    if (field == value)
        return;
    field = value;
    Changed();
}

void TROBevel::SetStyleInner(TROBevelStyle style) {
    if (style > bvShadow || style == s_.StyleInner)
        return;
    if (s_.StyleInner == bvShadow)
        s_.StyleOuter = bvNone;
    s_.StyleInner = style;
    if (style == bvShadow)
        s_.StyleOuter = bvShadow;
    Changed();
}

void TROBevel::SetStyleOuter(TROBevelStyle style) {
    if (style > bvShadow || style == s_.StyleOuter)
        return;
    if (s_.StyleOuter == bvShadow)
        s_.StyleInner = bvNone;
    s_.StyleOuter = style;
    if (style == bvShadow)
        s_.StyleInner = bvShadow;
    Changed();
}

void TROBevel::SetWidthInner(int width) { set(s_.WidthInner, std::clamp(width, 0, kMaxBevelWidth)); }

void TROBevel::SetWidthOuter(int width) { set(s_.WidthOuter, std::clamp(width, 0, kMaxBevelWidth)); }

void TROBevel::SetColor(int index, TColor color) {
    switch (index) {
    case 0: set(s_.BorderColor, color); break;
    case 1: set(s_.LightColor, color); break;
    case 2: set(s_.ShadowColor, color); break;
    default: break;
    }
}

void TROBevel::SetBorderInnerWidth(int width) { set(s_.BorderInnerWidth, std::clamp(width, 0, kMaxBorderWidth)); }

void TROBevel::SetBorderWidth(int width) { set(s_.BorderWidth, std::clamp(width, 0, kMaxBorderWidth)); }

void TROBevel::SetBorderSides(TROFrameSides sides) {
    set(s_.BorderSides, static_cast<TROFrameSides>(sides & kAllFrameSides));
}

void TROBevel::SetEdgeStyle(TROEdgeStyle style) {
    if (style <= etSunken)
        set(s_.EdgeStyle, style);
}

void TROBevel::SetMode(TROBevelMode mode) {
    if (mode <= bmEdge)
        set(s_.Mode, mode);
}

void TROBevel::SetStandardStyle(TROBorderStyle style) {
    if (style > lsDoubleLowered || style == s_.StandardStyle)
        return;
    s_.StandardStyle = style;
    if (s_.Mode == bmStandard)
        Changed();
}

void TROBevel::Changed() {
    overallWidth_ = bevelOverallWidth(s_);
    TROObject::Changed();
}

void TROBevel::Assign(const TROObject& source) {
    if (&source == this)
        return;
    const auto* other = dynamic_cast<const TROBevel*>(&source);
    if (!other) {
        TROObject::Assign(source);
        return;
    }
    s_ = other->s_;
    Changed();
}

TRect TROBevel::Draw(TCanvas& canvas, const TRect& rect, bool skipBorderFill) {
    if (overallWidth_ == 0)
        return rect;
    const BevelPlan plan = planBevel(s_, rect, skipBorderFill);
    paintBevelPlan(canvas, plan);
    return plan.inner;
}

void paintBevelPlan(TCanvas& canvas, const BevelPlan& plan) {
    using Kind = BevelStep::Kind;
    for (const BevelStep& step : plan.steps) {
        switch (step.kind) {
        case Kind::FillRect:
            canvas.SetBrushColor(step.color);
            canvas.FillRect(step.rect);
            break;
        case Kind::FrameRect:
            canvas.SetBrushColor(step.color);
            canvas.FrameRect(step.rect);
            break;
        case Kind::Polyline:
            canvas.SetPen({step.color, 1, TPenStyle::psSolid});
            canvas.Polyline(step.points);
            break;
        case Kind::Polygon:
            canvas.SetPenStyle(TPenStyle::psClear);
            canvas.SetBrushColor(step.color);
            canvas.Polygon(step.points);
            canvas.SetPenStyle(TPenStyle::psSolid);
            break;
        case Kind::Rectangle:
            canvas.SetPen({step.penColor, step.penWidth, TPenStyle::psSolid});
            canvas.SetBrushColor(step.color);
            canvas.Rectangle(step.rect);
            canvas.SetPenWidth(1);
            break;
        case Kind::Edge: {
            TRect r = step.rect;
            DrawEdge(canvas, r, step.edge, step.flags);
            break;
        }
        }
    }
}

}  // namespace pellax
