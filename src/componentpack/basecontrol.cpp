#include "componentpack/basecontrol.h"

#include "componentpack/customcontrol.h"
#include "framework/paint/canvas.h"

namespace pellax {

void drawDesignFrame(TCanvas& canvas, int width, int height) {
    canvas.SetPen({clBlack, 1, TPenStyle::psDash});
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.Rectangle({0, 0, width, height});
}

TROBaseControl::TROBaseControl(TComponent* owner, QWidget* parent, const QString& name)
    : TGraphicControl(owner, parent, name), imageList_(*this, [this](TSender sender) { ImageListChanged(sender); }) {}

TROBaseControl::~TROBaseControl() = default;

void TROBaseControl::SetBounds(int left, int top, int width, int height) {
    const TRect before = BoundsRect();
    TGraphicControl::SetBounds(left, top, width, height);
    unsigned flags = 0;
    if (Left() != before.Left || Top() != before.Top)
        flags |= bcPosition;
    if (Width() != before.Width() || Height() != before.Height())
        flags |= bcSize;
    if (flags != 0 && !isLoading())
        BoundsChanged(flags);
}

void TROBaseControl::BoundsChanged(unsigned flags) {
    if (OnBoundsChanged)
        OnBoundsChanged(*this, flags);
}

void TROBaseControl::DefineProperties(TFiler& filer) {
    TGraphicControl::DefineProperties(filer);
    imageList_.defineInternal(filer);
}

void TROBaseControl::PropertyChanged(TSender) {
    if (!isLoading())
        Invalidate();
}

void TROBaseControl::DoMouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(*this);
}

void TROBaseControl::DoMouseExit() {
    if (OnMouseExit)
        OnMouseExit(*this);
}

void TROBaseControl::MouseEnter() {
    TGraphicControl::MouseEnter();
    DoMouseEnter();
}

void TROBaseControl::MouseLeave() {
    TGraphicControl::MouseLeave();
    DoMouseExit();
}

bool TROBaseControl::ControlMessage(unsigned message) {
    if (message != CM_PARENTBACKGROUNDCHANGED)
        return TGraphicControl::ControlMessage(message);
    if (!isLoading() && ParentDrawsBackground())
        PropertyChanged(nullptr);
    return true;
}

void TROBaseControl::Notification(TComponent* component, Operation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == Operation::Remove)
        imageList_.removed(component);
}

TROBaseGraphicControl::TROBaseGraphicControl(TComponent* owner, QWidget* parent, const QString& name)
    : TROBaseControl(owner, parent, name) {
    SetControlStyle(ControlStyle() & ~csOpaque);
    transparent_ = true;
    SetHeight(30);
    SetWidth(30);
}

void TROBaseGraphicControl::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    SetControlStyle(transparent ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    transparent_ = transparent;
    Perform(CM_TRANSPARENTCHANGED);
}

bool TROBaseGraphicControl::ParentDrawsBackground() const {
    if (!transparent_)
        return false;
    const auto* parent = qobject_cast<const TROCustomControl*>(parentWidget());
    return parent && parent->testAttribute(Qt::WA_WState_Created) && parent->ProvidesChildBackground();
}

void TROBaseGraphicControl::Redraw() {
    // A change made by the control's own painting is in the picture being painted.
    if (Painting)
        return;
    if (transparent_ || isDesigning())
        Invalidate();
    else
        Repaint();
}

void TROBaseGraphicControl::Paint() {
    if (isDesigning())
        drawDesignFrame(Canvas(), Width(), Height());
}

void TROBaseGraphicControl::FillBackground() {
    TCanvas& canvas = Canvas();
    canvas.SetBrush({Color(), TBrushStyle::bsSolid});
    canvas.SetPenStyle(TPenStyle::psClear);
    canvas.FillRect(ClientRect());
}

bool TROBaseGraphicControl::ControlMessage(unsigned message) {
    if (message != CM_TRANSPARENTCHANGED)
        return TROBaseControl::ControlMessage(message);
    Redraw();
    return true;
}

}  // namespace pellax
