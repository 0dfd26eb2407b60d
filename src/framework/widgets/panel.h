#pragma once

#include "framework/paint/alignment.h"
#include "framework/windows/control.h"

namespace pellax {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };

// A windowed container. Its frame lies outside the client area: `BorderStyle`
// bsSingle is the desktop's 2-pixel sunken window edge, `BorderWidth` a strip of
// the panel's colour inside it, so ClientRect is smaller than Width x Height
// and children are placed in client coordinates.
//
// Bevels, alignment and locking are kept as values for the panels that paint
// themselves; this base fills its client area with its colour.
class TCustomPanel : public TCustomControl {
    Q_OBJECT
public:
    TCustomPanel(TComponent* owner, QWidget* parent, const QString& name = {});

    TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelOuter() const noexcept { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const noexcept { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const noexcept { return bevelWidth_; }
    void SetBevelWidth(int width);
    bool Locked() const noexcept { return locked_; }
    void SetLocked(bool locked) noexcept { locked_ = locked; }

    TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    int BorderWidth() const noexcept { return borderWidth_; }
    void SetBorderWidth(int width);

    TRect ClientRect() const override;

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyFrame();
    void paintFrame(TCanvas& canvas);

    TAlignment alignment_ = taCenter;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    bool locked_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    int borderWidth_ = 0;
};

}  // namespace pellax
