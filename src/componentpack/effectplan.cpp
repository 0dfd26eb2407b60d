#include "componentpack/effectplan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pellax {

using enum TROThreeDStyle;

int effectKind(const TRO3DCaption& caption) noexcept {
    const auto* fx = dynamic_cast<const TROFxCaption*>(&caption);
    if (!fx)
        return 0;
    return fx->Angle() == 0 ? 1 : 2;
}

EffectPlan planEffectText(const TRO3DCaption& caption, std::uint16_t flags, TColor fontColor, TColor brushColor) {
    EffectPlan plan;
    plan.style = caption.Style();
    const bool enabled = (flags & etEnabled) != 0 || caption.DisabledStyle() == TRODisabledStyle::dsNone;
    if (enabled) {
        plan.mainColor = plan.style == tdPColorSunken || plan.style == tdPColorRaised ? brushColor : fontColor;
    } else {
        plan.mainColor = clGrayText;
        const TRODisabledStyle ds = caption.DisabledStyle();
        if (ds == TRODisabledStyle::ds3d || (ds == TRODisabledStyle::dsAuto && (flags & etAutoSunken) != 0))
            plan.style = tdSunken;
    }

    const int l = caption.LightDepth();
    const int s = caption.ShadowDepth();
    const TColor light = caption.LightColor();
    const TColor shadow = caption.ShadowColor();
    const TColor main = plan.mainColor;
    auto add = [&plan](int move, TColor color) {
        const int at = (plan.copyCount == 0 ? 0 : plan.copyList[static_cast<std::size_t>(plan.copyCount - 1)].at) + move;
        plan.copyList[static_cast<std::size_t>(plan.copyCount++)] = {move, at, color};
    };
    switch (plan.style) {
    case tdNone: add(0, main); break;
    case tdSunken:
        add(l, light);
        add(-l, main);
        break;
    case tdRaised:
        add(0, light);
        add(l, main);
        break;
    case tdSunkenShadow:
    case tdPColorSunken:
        add(0, shadow);
        add(l + s, light);
        add(-l, main);
        break;
    case tdRaisedShadow:
    case tdPColorRaised:
        add(l + s, shadow);
        add(-(l + s), light);
        add(l, main);
        break;
    case tdShadow:
        add(s, shadow);
        add(-s, main);
        break;
    }
    plan.rightReduction = depthMargin(plan.style, l, s);
    return plan;
}

int depthMargin(TROThreeDStyle style, int lightDepth, int shadowDepth) noexcept {
    switch (style) {
    case tdNone: return 0;
    case tdSunken:
    case tdRaised: return lightDepth;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised: return lightDepth + shadowDepth;
    case tdShadow: return shadowDepth;
    }
    return 0;
}

int rotatedStartInset(TROThreeDStyle style, int lightDepth, int shadowDepth) noexcept {
    const int depth = depthMargin(style, lightDepth, shadowDepth);
    if (depth == 0)
        return 0;
    return std::max(0, depth / 2 - 1);
}

int roundHalfEven(double value) noexcept {
    const double down = std::floor(value);
    const double fraction = value - down;
    double result = fraction > 0.5 ? down + 1 : down;
    if (fraction == 0.5)
        result = std::fmod(down, 2.0) == 0 ? down : down + 1;
    return static_cast<int>(result);
}

SinCos sinCosDegrees(int degrees) noexcept {
    const double radians = static_cast<double>(degrees % 360) * std::numbers::pi / 180.0;
    auto snap = [](double v) {
        for (const double exact : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
            if (std::abs(v - exact) < 1e-12)
                return exact;
        }
        return v;
    };
    return {snap(std::sin(radians)), snap(std::cos(radians))};
}

TRect rotatedBounds(const TRect& r, int degrees) noexcept {
    if (degrees == 0)
        return r;
    const SinCos a = sinCosDegrees(degrees);
    const int hw = (r.Right - r.Left) / 2;
    const int hh = (r.Bottom - r.Top) / 2;
    const int cx = r.Left + hw;
    const int cy = r.Top + hh;
    const int p = roundHalfEven(hw * a.cos - hh * a.sin);
    const int q = roundHalfEven(hw * a.cos + hh * a.sin);
    const int u = roundHalfEven(hw * a.sin - hh * a.cos);
    const int v = roundHalfEven(hw * a.sin + hh * a.cos);
    const std::array<int, 4> xs{cx - p, cx - q, cx + q, cx + p};
    const std::array<int, 4> ys{cy + u, cy + v, cy - v, cy - u};
    const auto [left, right] = std::minmax_element(xs.begin(), xs.end());
    const auto [top, bottom] = std::minmax_element(ys.begin(), ys.end());
    return {0, 0, *right - *left, *bottom - *top};
}

TPoint rotatedTextStart(const TRect& bounds, int textWidth, int textHeight, int degrees, int inset) noexcept {
    const SinCos a = sinCosDegrees(degrees);
    const int cx = bounds.Left + (bounds.Right - bounds.Left) / 2;
    const int cy = bounds.Top + (bounds.Bottom - bounds.Top) / 2;
    const int hw = textWidth / 2;
    const int hh = textHeight / 2;
    return {roundHalfEven(cx - hw * a.cos - hh * a.sin) - inset, roundHalfEven(cy + hw * a.sin - hh * a.cos) - inset};
}

}  // namespace pellax
