#pragma once

#include "componentpack/ro3dcaption.h"
#include "componentpack/rowndproccomponent.h"
#include "framework/paint/bitmap.h"
#include "framework/paint/canvas.h"
#include "framework/paint/alignment.h"
#include "framework/paint/font.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace pellax {

class TForm;
class TROTitleBar;

// Who paints the caption: nobody (the desktop's own caption shows), the
// component, or the owner through OnPaint and OnCaptionPaint.
enum class TROPaintMode { pcNone, pcControl, pcOwnerDraw };

enum TROFormStyleOption : std::uint8_t {
    fsAdjustRect = 0x01,        // owner-drawn: the caption rectangle starts right of the icon
    fsUseDefaultFont = 0x02,    // the desktop's caption font, without effects
    fsUseFontColor = 0x04,      // an active caption's text in Font's colour
    fsInactiveGradient = 0x08,  // paint an inactive window's caption too
    fsDrawCaptionEvent = 0x10,  // OnCaptionPaint draws the text
    fsUseFormCaption = 0x20,    // read the text from the form at every paint
};
using TROFormStyleOptions = std::uint8_t;

// An owner-drawn part of the caption: the title bar, a canvas on the whole
// window and the rectangle to paint.
using TROPaintEvent = std::function<void(TROTitleBar& Sender, TCanvas& aCanvas, const TRect& Dest)>;

// A non-visual component on a form that hooks the form's window and paints
// its caption bar: a gradient in two segments with the window icon put back on
// top, and the caption text with a 3-D effect.
class TROTitleBar : public TROWndProcComponent {
public:
    explicit TROTitleBar(TComponent* owner, QString name = {});
    ~TROTitleBar() override;

    TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);
    // Bands in each of the two gradient segments, 2..236.
    int Colors() const noexcept { return colors_; }
    void SetColors(int value);
    const TFont& Font() const noexcept { return font_; }
    void SetFont(const TFont& value);
    TRO3DCaption& Font3D() noexcept { return font3D_; }
    const TRO3DCaption& Font3D() const noexcept { return font3D_; }
    void SetFont3D(const TRO3DCaption& value);
    TColor ActiveStartColor() const noexcept { return activeStart_; }
    void SetActiveStartColor(TColor value);
    TColor InActiveStartColor() const noexcept { return inactiveStart_; }
    void SetInActiveStartColor(TColor value);
    TColor ActiveEndColor() const noexcept { return activeEnd_; }
    void SetActiveEndColor(TColor value);
    TColor InActiveEndColor() const noexcept { return inactiveEnd_; }
    void SetInActiveEndColor(TColor value);
    TROPaintMode PaintMode() const noexcept { return paintMode_; }
    void SetPaintMode(TROPaintMode value);
    TROFormStyleOptions Options() const noexcept { return options_; }
    void SetOptions(TROFormStyleOptions value);
    bool ParentBiDiMode() const noexcept { return parentBiDiMode_; }
    void SetParentBiDiMode(bool value);

    TROPaintEvent OnPaint;
    TROPaintEvent OnCaptionPaint;

    // Paints the caption now; `saveIcon` captures the window icon's picture
    // again before the gradient covers it.
    void PaintCaption(bool saveIcon);
    // Has the form draw its own caption again, in the active state.
    void RestoreSystemCaption();

    bool Active() const noexcept { return active_; }
    const QString& CaptionText() const noexcept { return captionText_; }
    TBitmap& IconBitmap() noexcept { return iconBitmap_; }
    bool Painting() const noexcept { return painting_; }

    void Activate() override;
    void Deactivate() override;
    void WindowProc(TMessage& message) override;
    void SubObjectChanged(TSender sender) override;

    static QString ClassName() { return QStringLiteral("TROTitleBar"); }

private:
    TForm* form() const;
    bool inactiveGradient() const noexcept { return (options_ & fsInactiveGradient) != 0; }
    void paintSteps(TForm& form, WindowHandle& window, bool saveIcon);
    // A colour, option or mode changed: repaint, or give the desktop its caption back.
    void repaintOrRestore();

    // Internal state, in the order the component keeps it.
    TCanvas captionCanvas_;
    bool active_ = false;
    QString captionText_;
    TBitmap iconBitmap_;
    bool painting_ = false;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    int colors_ = 32;
    TFont font_;
    TRO3DCaption font3D_;
    TColor activeStart_ = clActiveCaption;
    TColor inactiveStart_ = clInactiveCaption;
    TColor activeEnd_ = clBlue;
    TColor inactiveEnd_ = clSilver;
    TROPaintMode paintMode_ = TROPaintMode::pcControl;
    TROFormStyleOptions options_ = fsAdjustRect | fsUseFontColor | fsInactiveGradient | fsUseFormCaption;
    bool parentBiDiMode_ = true;
    // The text of the last error other than a malformed colour setting that a
    // paint raised; the same error again is not reported until a paint has succeeded.
    QString failedWith_;
};

}  // namespace pellax
