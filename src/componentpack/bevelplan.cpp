#include "componentpack/bevelplan.h"

#include "framework/paint/drawedge.h"

#include <utility>

namespace pellax {

namespace {

using Kind = BevelStep::Kind;

bool isFrameStyle(TROBevelStyle style) { return style == bvFrameLowered || style == bvFrameRaised; }

class Planner {
public:
    Planner(const BevelSettings& s, const TRect& rect, bool skip) : s_(s), r_(rect), skip_(skip) {}

    BevelPlan run() {
        if (bevelOverallWidth(s_) == 0)
            return {{}, r_};
        switch (s_.Mode) {
        case bmCustom:
            if (s_.StyleOuter == bvShadow) {
                shadowBox();
            } else {
                bevelStyle(s_.StyleOuter, s_.WidthOuter);
                borderBand(s_.BorderWidth);
                bevelStyle(s_.StyleInner, s_.WidthInner);
            }
            break;
        case bmStandard: standardBorder(s_.StandardStyle, 0); break;
        case bmEdge: edgeBorder(); break;
        }
        borderBand(s_.BorderInnerWidth);
        return {std::move(steps_), r_};
    }

private:
    void fill(const TRect& r, TColor c) { steps_.push_back({Kind::FillRect, r, c, {}, clBlack, 1, 0, 0}); }
    void frame(const TRect& r, TColor c) { steps_.push_back({Kind::FrameRect, r, c, {}, clBlack, 1, 0, 0}); }
    void polyline(std::vector<TPoint> pts, TColor c) {
        steps_.push_back({Kind::Polyline, {}, c, std::move(pts), clBlack, 1, 0, 0});
    }
    void polygon(std::vector<TPoint> pts, TColor c) {
        steps_.push_back({Kind::Polygon, {}, c, std::move(pts), clBlack, 1, 0, 0});
    }
    // Draws with the edge painter on the current rectangle; BF_ADJUST moves it in.
    void edge(unsigned kind, unsigned flags) {
        steps_.push_back({Kind::Edge, r_, clBlack, {}, clBlack, 1, kind, flags});
        r_ = planEdge(r_, kind, flags).adjusted;
    }

    void bevelStyle(TROBevelStyle style, int w) {
        if (w == 0 || style == bvNone || style == bvShadow)
            return;
        TColor topLeft = clBlack, bottomRight = clBlack;
        if (style == bvLowered || style == bvFrameLowered) {
            topLeft = s_.ShadowColor;
            bottomRight = s_.LightColor;
        } else if (style == bvRaised || style == bvFrameRaised) {
            topLeft = s_.LightColor;
            bottomRight = s_.ShadowColor;
        }
        const int l = r_.Left, t = r_.Top, rt = r_.Right, b = r_.Bottom;
        if (isFrameStyle(style)) {
            for (int i = 0; i < w; ++i) {
                frame({l + i + 1, t + i + 1, rt, b}, bottomRight);
                frame({l, t, rt - i - 1, b - i - 1}, topLeft);
            }
            r_ = {l + w + 1, t + w + 1, rt - w - 1, b - w - 1};
            return;
        }
        const int b1 = b - 1;
        if (w == 1) {
            const int r1 = rt - 1;
            polyline({{l, b1}, {l, t}, {r1, t}}, topLeft);
            polyline({{r1, t}, {r1, b1}, {l, b1}}, bottomRight);
        } else {
            const int il = l + w, it = t + w, ir = rt - w, ib = b1 - w;
            polygon({{l, b}, {il, ib}, {ir, ib}, {ir, it}, {rt, t}, {rt, b}}, bottomRight);
            polygon({{l, b1}, {il, ib}, {il, it}, {ir - 1, it}, {rt - 1, t}, {l, t}}, topLeft);
        }
        r_ = {l + w, t + w, rt - w, b - w};
    }

    void borderBand(int n) {
        if (skip_) {
            r_ = InflateRect(r_, -n, -n);
            return;
        }
        for (int i = 0; i < n; ++i) {
            frame(r_, s_.BorderColor);
            r_ = InflateRect(r_, -1, -1);
        }
    }

    void shadowBox() {
        const int wi = s_.WidthInner, wo = s_.WidthOuter;
        const int l = r_.Left, t = r_.Top, rt = r_.Right, b = r_.Bottom;
        if (!skip_)
            fill(r_, s_.BorderColor);
        fill({l + wo, t + wo, rt, b}, s_.ShadowColor);
        const int h = wi / 2, d = wo + h;
        r_ = {l + h, t + h, rt - d, b - d};
        // The face is filled even when the border fill is skipped.
        steps_.push_back({Kind::Rectangle, r_, s_.BorderColor, {}, s_.LightColor, wi, 0, 0});
        r_ = InflateRect(r_, -(h + 1), -(h + 1));
    }

    void standardBorder(TROBorderStyle style, unsigned extra) {
        const unsigned adjust = BF_ADJUST | extra;
        switch (style) {
        case lsNone: break;
        case lsSingle:
            edge(BDR_SUNKENOUTER, BF_TOPLEFT | BF_SOFT | adjust);
            edge(BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
            break;
        case lsLowered: edge(EDGE_SUNKEN, BF_RECT | BF_SOFT | adjust); break;
        case lsRaised: edge(EDGE_RAISED, BF_RECT | BF_SOFT | adjust); break;
        case lsRaisedspb:
            edge(BDR_RAISEDOUTER, BF_RECT | BF_SOFT | adjust);
            edge(BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
            break;
        case lsLoweredspb:
            edge(BDR_SUNKENOUTER, BF_RECT | adjust);
            edge(BDR_SUNKENINNER, BF_TOPLEFT | adjust);
            break;
        case lsRaisedExt:
            edge(BDR_RAISEDOUTER, BF_RECT | BF_SOFT | adjust);
            edge(BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
            ++r_.Top;
            ++r_.Left;
            break;
        case lsLoweredExt:
            edge(BDR_SUNKENOUTER, BF_RECT | adjust);
            edge(BDR_SUNKENINNER, BF_TOPLEFT | BF_ADJUST);
            --r_.Right;
            --r_.Bottom;
            break;
        case lsFrameInset: edge(EDGE_ETCHED, BF_RECT | adjust); break;
        case lsFrameOffset:
            edge(BDR_RAISEDINNER, BF_RECT | adjust);
            edge(BDR_SUNKENOUTER, BF_RECT | adjust);
            break;
        case lsWindowBorder:
            edge(BDR_RAISEDOUTER, BF_BOTTOMRIGHT | adjust);
            ++r_.Top;
            ++r_.Left;
            edge(BDR_RAISEDINNER, BF_RECT | adjust);
            break;
        case lsSingleRaised: edge(BDR_RAISEDINNER, BF_RECT | adjust); break;
        case lsSingleLowered: edge(BDR_SUNKENOUTER, BF_RECT | adjust); break;
        case lsDoubleRaised:
            edge(BDR_RAISEDINNER, BF_RECT | adjust);
            edge(BDR_RAISEDINNER, BF_RECT | adjust);
            break;
        case lsDoubleLowered:
            edge(BDR_SUNKENOUTER, BF_RECT | adjust);
            edge(BDR_SUNKENOUTER, BF_RECT | adjust);
            break;
        }
    }

    void edgeBorder() {
        if (s_.BorderSides == 0)
            return;
        static constexpr unsigned kKinds[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                                              EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
        static constexpr unsigned kSides[] = {BF_BOTTOM, BF_LEFT, BF_RIGHT, BF_TOP};
        unsigned flags = 0;
        for (int side = fsBottom; side <= fsTop; ++side) {
            if (s_.BorderSides & (1u << side))
                flags |= kSides[side];
        }
        if (s_.EdgeStyle <= etSunken)
            edge(kKinds[s_.EdgeStyle], flags);
        // The edge takes two pixels on every side, whatever it drew.
        r_ = InflateRect(r_, -2, -2);
    }

    const BevelSettings& s_;
    TRect r_;
    bool skip_;
    std::vector<BevelStep> steps_;
};

}  // namespace

int StandardBorderWidth(TROBorderStyle style) {
    switch (style) {
    case lsNone: return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered: return 1;
    default: return 2;
    }
}

int bevelOverallWidth(const BevelSettings& s) {
    switch (s.Mode) {
    case bmCustom: {
        if (s.StyleInner == bvShadow)
            return s.WidthOuter / 2 + s.WidthInner + 1 + s.BorderInnerWidth;
        int width = s.BorderWidth + s.BorderInnerWidth;
        for (const auto& [style, w] : {std::pair{s.StyleOuter, s.WidthOuter}, std::pair{s.StyleInner, s.WidthInner}}) {
            if (style != bvNone)
                width += w + (isFrameStyle(style) ? 1 : 0);
        }
        return width;
    }
    case bmStandard: return StandardBorderWidth(s.StandardStyle) + s.BorderInnerWidth;
    case bmEdge: return (s.BorderSides != 0 ? 2 : 0) + s.BorderInnerWidth;
    }
    return 0;
}

BevelPlan planBevel(const BevelSettings& s, const TRect& rect, bool skipBorderFill) {
    return Planner(s, rect, skipBorderFill).run();
}

}  // namespace pellax
