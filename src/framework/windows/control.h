#pragma once

#include "framework/paint/canvas.h"
#include "framework/paint/color.h"
#include "framework/paint/font.h"
#include "framework/paint/geometry.h"
#include "framework/windows/component.h"

#include <QWidget>

#include <optional>

namespace pellax {

// Messages that controls send each other are numbered from here.
inline constexpr unsigned CM_BASE = 0xB000;

// Control-style flags.
enum ControlStyle : unsigned {
    csOpaque = 1u << 0,        // paints every pixel of its bounds; nothing behind it is drawn first
    csReplicatable = 1u << 1,  // may be painted into another surface
    csAcceptsControls = 1u << 2,
};

// A control on a window: a widget that is also a component of the window's
// owner tree, with bounds, a caption, a font and a colour that can follow its
// parent's, and a canvas that its Paint() draws on. The pack's controls derive
// from the two kinds below.
class TControl : public QWidget, public TComponent {
    Q_OBJECT
public:
    TControl(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TControl() override;

    // Bounds are in the parent's client coordinates, which begin inside the
    // parent's frame when it has one.
    int Left() const { return x() - parentClientOrigin().X; }
    int Top() const { return y() - parentClientOrigin().Y; }
    int Width() const noexcept { return width(); }
    int Height() const noexcept { return height(); }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    TRect BoundsRect() const noexcept { return Bounds(Left(), Top(), Width(), Height()); }
    // The area Paint() draws in, origin at the client's top-left corner.
    virtual TRect ClientRect() const { return Bounds(0, 0, Width(), Height()); }

    const QString& Caption() const noexcept { return caption_; }
    void SetCaption(const QString& caption);

    const TFont& Font() const noexcept { return font_; }
    // Any change of the font ends following the parent's.
    void SetFont(const TFont& font);
    bool ParentFont() const noexcept { return parentFont_; }
    void SetParentFont(bool follow);

    TColor Color() const noexcept { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const noexcept { return parentColor_; }
    void SetParentColor(bool follow);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }

    unsigned ControlStyle() const noexcept { return style_; }
    void SetControlStyle(unsigned style);

    // A windowless control is painted by its parent on the parent's surface.
    virtual bool IsLightweight() const noexcept { return false; }

    // Asks for a repaint without erasing what is there first. The windowless
    // controls on it are part of its picture and are repainted with it.
    void Invalidate();
    // Paints now, if the control is on screen.
    void Repaint() { repaint(); }

    // The surface Paint() draws on; bound only while painting.
    TCanvas& Canvas() noexcept { return canvas_; }
    // While painting: the bounds of the part of the client area that is asked
    // for, in client coordinates. Drawing outside it is cut off.
    const TRect& PaintRect() const noexcept { return paintRect_; }

    // Paints this control into `canvas`, its client area at the canvas's
    // origin, without its children: a transparent child puts its parent's
    // picture behind it so.
    void PaintInto(TCanvas& canvas);
    // Set while the control paints a copy of itself for another.
    bool PaintingCopy() const noexcept { return paintingCopy_; }
    void SetPaintingCopy(bool on) noexcept { paintingCopy_ = on; }

    // Told by the parent when the font or colour it hands down changes.
    void ParentFontChanged();
    void ParentColorChanged();

    // Hands `message` (CM_BASE + n) to the control; true when it handled it.
    bool Perform(unsigned message) { return ControlMessage(message); }
    // Hands `message` to every control directly inside this one.
    void Broadcast(unsigned message);

    // Offered a key pressed with Alt (a dialog character) by its window; true
    // when the key was this control's accelerator and it acted on it.
    virtual bool DialogChar(QChar key);

protected:
    // Draws the control on Canvas(); the default draws nothing.
    virtual void Paint();
    // After the font, the caption or the colour has changed.
    virtual void FontChanged() {}
    virtual void TextChanged() {}
    virtual void ColorChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // The handler of Perform(); the default handles nothing.
    virtual bool ControlMessage(unsigned message);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TPoint parentClientOrigin() const;
    void applyFont(const TFont& font);
    void applyColor(TColor color);
    void handDownToChildren(bool font);

    TCanvas canvas_;
    QString caption_;
    TFont font_;
    TColor color_ = clBtnFace;
    bool parentFont_ = true;
    bool parentColor_ = true;
    bool paintingCopy_ = false;
    unsigned style_ = 0;
    TRect paintRect_;
};

// Whether `widget` can take the keyboard focus now: it accepts focus, and it
// and every widget it sits in are shown and enabled.
bool canFocus(const QWidget& widget);

// Paints `widget` into `canvas` without its children, background first, its
// client area at the canvas's origin; for parents that are not TControls.
void paintWidgetInto(QWidget& widget, TCanvas& canvas);

// The font and colour a control's parent hands down: the parent control's, or
// the window's when the control sits on the window's client area.
std::optional<TFont> parentFontOf(const QWidget* control);
std::optional<TColor> parentColorOf(const QWidget* control);

// A control without a window of its own, painted on its parent's surface.
class TGraphicControl : public TControl {
    Q_OBJECT
public:
    TGraphicControl(TComponent* owner, QWidget* parent, const QString& name = {});
    bool IsLightweight() const noexcept override { return true; }
};

// A windowed control that can hold other controls.
class TCustomControl : public TControl {
    Q_OBJECT
public:
    TCustomControl(TComponent* owner, QWidget* parent, const QString& name = {});
};

}  // namespace pellax
