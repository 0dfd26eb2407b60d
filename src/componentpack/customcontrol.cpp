#include "componentpack/customcontrol.h"

#include "componentpack/basecontrol.h"
#include "framework/paint/canvas.h"

#include <QMoveEvent>
#include <QResizeEvent>

namespace pellax {

TROCustomControl::TROCustomControl(TComponent* owner, QWidget* parent, const QString& name)
    : TCustomControl(owner, parent, name), imageList_(*this, [this](TSender sender) { ImageListChanged(sender); }) {
    SetWidth(100);
    SetHeight(40);
}

TROCustomControl::~TROCustomControl() { imageList_.clearHandler(); }

void TROCustomControl::DefineProperties(TFiler& filer) {
    TCustomControl::DefineProperties(filer);
    imageList_.defineInternal(filer);
}

void TROCustomControl::PropertyChanged(TSender) {
    if (RedrawOnChange)
        Invalidate();
}

bool TROCustomControl::PaintParentBackground(TCanvas&, const TRect&, unsigned, TPoint) { return false; }

void TROCustomControl::PaintBackground() {
    if (UsesParentBackground()) {
        const TPoint origin{Left(), Top()};
        if (PaintParentBackground(Canvas(), ClientRect(), 0, origin))
            return;
    }
    Canvas().SetBrush({Color(), TBrushStyle::bsSolid});
    Canvas().FillRect(ClientRect());
}

void TROCustomControl::Paint() {
    if (isLoading())
        return;
    PaintBackground();
    if (isDesigning() && ShowDesignFrame())
        drawDesignFrame(Canvas(), Width(), Height());
}

bool TROCustomControl::ControlMessage(unsigned message) {
    if (message != CM_PARENTBACKGROUNDCHANGED)
        return TCustomControl::ControlMessage(message);
    if (isLoading())
        return true;
    Invalidate();
    if (UsesParentBackground() && transparentMode_)
        Broadcast(CM_PARENTBACKGROUNDCHANGED);
    return true;
}

void TROCustomControl::Notification(TComponent* component, Operation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == Operation::Remove)
        imageList_.removed(component);
}

void TROCustomControl::moveEvent(QMoveEvent* event) {
    TCustomControl::moveEvent(event);
    if (UsesParentBackground()) {
        Repaint();
        Broadcast(CM_PARENTBACKGROUNDCHANGED);
    }
}

void TROCustomControl::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    if (!UsesParentBackground()) {
        Invalidate();
        return;
    }
    Repaint();
    for (QObject* child : children()) {
        if (auto* control = qobject_cast<TControl*>(child))
            control->Repaint();
    }
}

}  // namespace pellax
