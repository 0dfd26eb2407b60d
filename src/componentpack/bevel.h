#pragma once

#include "componentpack/bevelplan.h"
#include "componentpack/roobject.h"

namespace pellax {

class TCanvas;

// The frame a control draws around its content: two custom bevel styles with a
// band between them or a shadow box, one of the standard border looks, or an
// edge on chosen sides; then an inner band. A control owns one and repaints on
// its OnChange.
class TROBevel final : public TROObject {
public:
    // The defaults of BevelSettings; OverallWidth 0.
    TROBevel() = default;

    TROBevelStyle StyleInner() const noexcept { return s_.StyleInner; }
    // The two styles are both bvShadow or neither is: choosing bvShadow for one
    // chooses it for the other, leaving it clears the other.
    void SetStyleInner(TROBevelStyle style);
    TROBevelStyle StyleOuter() const noexcept { return s_.StyleOuter; }
    void SetStyleOuter(TROBevelStyle style);
    int WidthInner() const noexcept { return s_.WidthInner; }
    void SetWidthInner(int width);  // 0..50
    int WidthOuter() const noexcept { return s_.WidthOuter; }
    void SetWidthOuter(int width);  // 0..50

    TColor BorderColor() const noexcept { return s_.BorderColor; }
    TColor LightColor() const noexcept { return s_.LightColor; }
    TColor ShadowColor() const noexcept { return s_.ShadowColor; }
    // 0 BorderColor, 1 LightColor, 2 ShadowColor.
    void SetColor(int index, TColor color);
    void SetBorderColor(TColor color) { SetColor(0, color); }
    void SetLightColor(TColor color) { SetColor(1, color); }
    void SetShadowColor(TColor color) { SetColor(2, color); }

    int BorderInnerWidth() const noexcept { return s_.BorderInnerWidth; }
    void SetBorderInnerWidth(int width);  // 0..255
    int BorderWidth() const noexcept { return s_.BorderWidth; }
    void SetBorderWidth(int width);  // 0..255
    TROFrameSides BorderSides() const noexcept { return s_.BorderSides; }
    void SetBorderSides(TROFrameSides sides);
    TROEdgeStyle EdgeStyle() const noexcept { return s_.EdgeStyle; }
    void SetEdgeStyle(TROEdgeStyle style);
    TROBevelMode Mode() const noexcept { return s_.Mode; }
    void SetMode(TROBevelMode mode);
    TROBorderStyle StandardStyle() const noexcept { return s_.StandardStyle; }
    // Tells the owner only in bmStandard, the one mode the look shows in.
    void SetStandardStyle(TROBorderStyle style);

    // Pixels the bevel takes on each side, as of the last change.
    int OverallWidth() const noexcept { return overallWidth_; }
    const BevelSettings& settings() const noexcept { return s_; }

    // Recomputes OverallWidth, even while updates are held back, then tells the owner.
    void Changed() override;
    // From another bevel: every setting as it is, then one change.
    void Assign(const TROObject& source) override;
    QString ClassName() const override { return QStringLiteral("TROBevel"); }

    // Paints the bevel into `rect` and returns the rectangle left inside it;
    // with `skipBorderFill` the areas in BorderColor are left as they are.
    TRect Draw(TCanvas& canvas, const TRect& rect, bool skipBorderFill);

private:
    template <class T>
    void set(T& field, T value);

    BevelSettings s_;
    int overallWidth_ = 0;
};

// Runs a bevel's plan on a canvas.
void paintBevelPlan(TCanvas& canvas, const BevelPlan& plan);

}  // namespace pellax
