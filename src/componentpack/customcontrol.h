#pragma once

#include "componentpack/imagelist.h"
#include "componentpack/roobject.h"
#include "framework/windows/control.h"

namespace pellax {

// Base of the pack's windowed controls: the image-list link and change hook of
// the windowless base, and a background that a transparent control can take
// from its parent instead of filling it.
class TROCustomControl : public TCustomControl {
    Q_OBJECT
public:
    TROCustomControl(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TROCustomControl() override;

    bool TransparentMode() const noexcept { return transparentMode_; }
    void SetTransparentMode(bool on) noexcept { transparentMode_ = on; }
    // Whether PropertyChanged repaints.
    bool RedrawOnChange = true;

    TROCustomImageList* ImageList() const noexcept { return imageList_.list(); }
    void SetImageList(TROCustomImageList* list) { imageList_.set(list); }
    void DefineProperties(TFiler& filer) override;

    virtual bool UsesParentBackground() const { return transparentMode_ && ProvidesChildBackground(); }
    virtual void PropertyChanged(TSender sender);
    virtual bool ShowDesignFrame() const { return true; }
    // Whether this control paints the background of its transparent children.
    virtual bool ProvidesChildBackground() const { return false; }
    // Paints this control's background under `rect` of a child at `origin`;
    // false when it painted nothing.
    virtual bool PaintParentBackground(TCanvas& canvas, const TRect& rect, unsigned flags, TPoint origin);
    virtual TPoint MapPoint(TPoint point) const { return point; }

protected:
    virtual void PaintBackground();
    virtual void ImageListChanged(TSender sender) { PropertyChanged(sender); }

    void Paint() override;
    bool ControlMessage(unsigned message) override;
    void Notification(TComponent* component, Operation operation) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool transparentMode_ = false;
    ImageListLink imageList_;
};

}  // namespace pellax
