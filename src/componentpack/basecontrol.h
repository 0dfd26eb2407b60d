#pragma once

#include "componentpack/imagelist.h"
#include "componentpack/roobject.h"
#include "framework/windows/control.h"

#include <functional>

namespace pellax {

// Messages between transparent pack controls and their parents.
inline constexpr unsigned CM_TRANSPARENTCHANGED = CM_BASE + 205;
inline constexpr unsigned CM_PARENTBACKGROUNDCHANGED = CM_BASE + 206;

// What BoundsChanged reports.
enum TROBoundsFlag : unsigned { bcSize = 1, bcPosition = 2 };

// The black dashed outline that shows a control's bounds at design time.
void drawDesignFrame(TCanvas& canvas, int width, int height);

// Base of the pack's windowless controls: mouse enter and exit events, a
// report of moves and resizes, a change hook for the settings objects they
// own, and a link to an image list.
class TROBaseControl : public TGraphicControl {
    Q_OBJECT
public:
    TROBaseControl(TComponent* owner, QWidget* parent, const QString& name = {});
    ~TROBaseControl() override;

    // Designer information only.
    QString About;
    std::function<void(TROBaseControl& sender)> OnMouseEnter;
    std::function<void(TROBaseControl& sender)> OnMouseExit;
    std::function<void(TROBaseControl& sender, unsigned flags)> OnBoundsChanged;

    TROCustomImageList* ImageList() const noexcept { return imageList_.list(); }
    void SetImageList(TROCustomImageList* list) { imageList_.set(list); }

    // Reports what changed through BoundsChanged, unless loading.
    void SetBounds(int left, int top, int width, int height) override;
    void DefineProperties(TFiler& filer) override;

    virtual bool ParentDrawsBackground() const { return false; }
    // A setting of the control or of one of its sub-objects changed.
    virtual void PropertyChanged(TSender sender);
    virtual bool NothingToPaint() const { return true; }

protected:
    virtual void BoundsChanged(unsigned flags);
    virtual void ImageListChanged(TSender sender) { PropertyChanged(sender); }
    virtual void DoMouseEnter();
    virtual void DoMouseExit();

    void MouseEnter() override;
    void MouseLeave() override;
    bool ControlMessage(unsigned message) override;
    void Notification(TComponent* component, Operation operation) override;

private:
    ImageListLink imageList_;
};

// A windowless pack control that may be transparent (the default): then its
// parent's picture shows wherever it does not paint.
class TROBaseGraphicControl : public TROBaseControl {
    Q_OBJECT
public:
    TROBaseGraphicControl(TComponent* owner, QWidget* parent, const QString& name = {});

    bool Transparent() const noexcept { return transparent_; }
    // Opaque controls paint every pixel of their bounds themselves.
    void SetTransparent(bool transparent);

    // Transparent on a pack parent that paints its children's background.
    bool ParentDrawsBackground() const override;
    void PropertyChanged(TSender) override { Redraw(); }

    // A transparent control (or one being designed) asks its parent to repaint
    // the area; an opaque one paints itself at once.
    void Redraw();

protected:
    // Only the outline, at design time; descendants paint the rest.
    void Paint() override;
    // The client area in Color.
    void FillBackground();
    bool ControlMessage(unsigned message) override;

    // Guards a descendant's painting against re-entry.
    bool Painting = false;

private:
    bool transparent_ = true;
};

}  // namespace pellax
