#include "componentpack/ro3dcaption.h"

namespace pellax {

namespace {

// Stores `value` and notifies, unless nothing changes.
template <class T>
void setAndNotify(TROObject& object, T& field, T value) {
    if (field == value)
        return;
    field = value;
    object.Changed();
}

}  // namespace

void TRO3DCaption::SetDisabledStyle(TRODisabledStyle value) { setAndNotify(*this, disabledStyle_, value); }
void TRO3DCaption::SetLightDepth(std::uint8_t value) { setAndNotify(*this, lightDepth_, value); }
void TRO3DCaption::SetShadowDepth(std::uint8_t value) { setAndNotify(*this, shadowDepth_, value); }
void TRO3DCaption::SetLightColor(TColor value) { setAndNotify(*this, lightColor_, value); }
void TRO3DCaption::SetShadowColor(TColor value) { setAndNotify(*this, shadowColor_, value); }
void TRO3DCaption::SetStyle(TROThreeDStyle value) { setAndNotify(*this, style_, value); }
void TRO3DCaption::SetTracing(std::int32_t value) { setAndNotify(*this, tracing_, value); }

void TRO3DCaption::copy3D(const TRO3DCaption& source) noexcept {
    disabledStyle_ = source.disabledStyle_;
    lightDepth_ = source.lightDepth_;
    shadowDepth_ = source.shadowDepth_;
    lightColor_ = source.lightColor_;
    shadowColor_ = source.shadowColor_;
    style_ = source.style_;
    tracing_ = source.tracing_;
}

void TRO3DCaption::Assign(const TROObject& source) {
    const auto* other = dynamic_cast<const TRO3DCaption*>(&source);
    if (!other) {
        TROObject::Assign(source);
        return;
    }
    copy3D(*other);
    Changed();
}

void TROFxCaption::SetAngle(int value) {
    if (value == 360)
        value = 0;
    if (value < 0 || value > 359)
        return;
    setAndNotify(*this, angle_, value);
}

void TROFxCaption::SetPosX(std::uint16_t value) { setAndNotify(*this, posX_, value); }
void TROFxCaption::SetPosY(std::uint16_t value) { setAndNotify(*this, posY_, value); }

void TROFxCaption::SetPos(std::uint16_t x, std::uint16_t y) {
    BeginUpdate();
    SetPosX(x);
    SetPosY(y);
    EndUpdate(false);
}

void TROFxCaption::Assign(const TROObject& source) {
    const auto* other = dynamic_cast<const TROFxCaption*>(&source);
    if (!other) {
        TRO3DCaption::Assign(source);
        return;
    }
    copy3D(*other);
    angle_ = other->angle_;
    posX_ = other->posX_;
    posY_ = other->posY_;
    Changed();
}

}  // namespace pellax
