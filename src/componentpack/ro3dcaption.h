#pragma once

#include "componentpack/roobject.h"
#include "framework/paint/color.h"

#include <cstdint>

namespace pellax {

// Which copies of a caption are drawn: a light copy, a shadow copy, the text.
enum class TROThreeDStyle : std::uint8_t {
    tdNone, tdSunken, tdRaised, tdSunkenShadow, tdRaisedShadow, tdPColorSunken, tdPColorRaised, tdShadow,
};

// How a caption of a disabled owner is drawn.
enum class TRODisabledStyle : std::uint8_t { dsAuto, dsStandard, ds3d, dsNone };

// The three-dimensional look of a caption: which copies of the text are drawn,
// in which colours and how far apart. Every setter notifies only on a change.
class TRO3DCaption : public TROObject {
public:
    TRO3DCaption() = default;

    TRODisabledStyle DisabledStyle() const noexcept { return disabledStyle_; }
    void SetDisabledStyle(TRODisabledStyle value);
    std::uint8_t LightDepth() const noexcept { return lightDepth_; }
    void SetLightDepth(std::uint8_t value);
    std::uint8_t ShadowDepth() const noexcept { return shadowDepth_; }
    void SetShadowDepth(std::uint8_t value);
    TColor LightColor() const noexcept { return lightColor_; }
    void SetLightColor(TColor value);
    TColor ShadowColor() const noexcept { return shadowColor_; }
    void SetShadowColor(TColor value);
    TROThreeDStyle Style() const noexcept { return style_; }
    void SetStyle(TROThreeDStyle value);
    // Extra pixels after every character; 0 leaves the spacing alone.
    std::int32_t Tracing() const noexcept { return tracing_; }
    void SetTracing(std::int32_t value);

    // From another TRO3DCaption (or a TROFxCaption): every setting, then one
    // notification. Any other source is refused by the base.
    void Assign(const TROObject& source) override;
    QString ClassName() const override { return QStringLiteral("TRO3DCaption"); }

protected:
    // Copies the settings of this class without notifying.
    void copy3D(const TRO3DCaption& source) noexcept;

private:
    TRODisabledStyle disabledStyle_ = TRODisabledStyle::dsAuto;
    std::uint8_t lightDepth_ = 1;
    std::uint8_t shadowDepth_ = 1;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TROThreeDStyle style_ = TROThreeDStyle::tdNone;
    std::int32_t tracing_ = 0;
};

// A caption that can also be turned by an angle and placed at an offset inside
// its rectangle.
class TROFxCaption : public TRO3DCaption {
public:
    TROFxCaption() = default;

    // Degrees counter-clockwise, 0..360; 360 is stored as 0, anything else
    // outside the range is ignored.
    int Angle() const noexcept { return angle_; }
    void SetAngle(int value);
    std::uint16_t PosX() const noexcept { return posX_; }
    void SetPosX(std::uint16_t value);
    std::uint16_t PosY() const noexcept { return posY_; }
    void SetPosY(std::uint16_t value);
    // Both offsets, without a notification.
    void SetPos(std::uint16_t x, std::uint16_t y);

    void Assign(const TROObject& source) override;
    QString ClassName() const override { return QStringLiteral("TROFxCaption"); }

private:
    int angle_ = 0;
    std::uint16_t posX_ = 0;
    std::uint16_t posY_ = 0;
};

}  // namespace pellax
