#include "controls/titlebar.h"

#include "componentpack/colorutils.h"
#include "componentpack/effecttext.h"
#include "componentpack/gradient.h"
#include "controls/captionrects.h"
#include "framework/files/exception.h"
#include "framework/paint/desktop.h"
#include "framework/windows/application.h"
#include "framework/windows/form.h"

#include <algorithm>

namespace pellax {

namespace {

unsigned alignmentBits(TAlignment a) {
    switch (a) {
    case TAlignment::taLeftJustify: return DT_LEFT;
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    }
    return DT_LEFT;
}

}  // namespace

TROTitleBar::TROTitleBar(TComponent* owner, QString name) : TROWndProcComponent(owner, std::move(name)) {
    if (isDesigning()) {
        bool second = false;
        if (owner) {
            for (TComponent* c : owner->Components())
                second = second || (c != this && dynamic_cast<TROTitleBar*>(c));
        }
        if (!dynamic_cast<TForm*>(owner) || second)
            throw EComponentError(ClassName() + QStringLiteral(":\rInvalid owner (<>TForm) or second instance on a form"));
    }
    SetHookMDIFrame(true);
    font3D_.OnChange = [this](TROObject& sender) { SubObjectChanged(&sender); };
}

TROTitleBar::~TROTitleBar() {
    font3D_.OnChange = nullptr;
    captionCanvas_.unbind();
}

TForm* TROTitleBar::form() const { return dynamic_cast<TForm*>(Owner()); }

void TROTitleBar::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    if (paintMode_ != TROPaintMode::pcNone)
        PaintCaption(false);
}

void TROTitleBar::SetColors(int value) {
    value = std::clamp(value, 2, 236);
    if (value == colors_)
        return;
    colors_ = value;
    if (paintMode_ == TROPaintMode::pcControl)
        PaintCaption(true);
}

void TROTitleBar::SetFont(const TFont& value) {
    if (value == font_)
        return;
    font_ = value;
    SubObjectChanged(&font_);
}

void TROTitleBar::SetFont3D(const TRO3DCaption& value) { font3D_.Assign(value); }

void TROTitleBar::repaintOrRestore() {
    if (paintMode_ != TROPaintMode::pcNone)
        PaintCaption(true);
    else
        RestoreSystemCaption();
}

void TROTitleBar::SetActiveStartColor(TColor value) {
    if (value == activeStart_)
        return;
    activeStart_ = value;
    repaintOrRestore();
}

void TROTitleBar::SetInActiveStartColor(TColor value) {
    if (value == inactiveStart_)
        return;
    inactiveStart_ = value;
    repaintOrRestore();
}

void TROTitleBar::SetActiveEndColor(TColor value) {
    if (value == activeEnd_)
        return;
    activeEnd_ = value;
    repaintOrRestore();
}

void TROTitleBar::SetInActiveEndColor(TColor value) {
    if (value == inactiveEnd_)
        return;
    inactiveEnd_ = value;
    repaintOrRestore();
}

void TROTitleBar::SetOptions(TROFormStyleOptions value) {
    if (value == options_)
        return;
    options_ = value;
    repaintOrRestore();
}

void TROTitleBar::SetParentBiDiMode(bool value) {
    if (value == parentBiDiMode_)
        return;
    parentBiDiMode_ = value;
    repaintOrRestore();
}

void TROTitleBar::SetPaintMode(TROPaintMode value) {
    if (value == paintMode_)
        return;
    paintMode_ = value;
    repaintOrRestore();
}

void TROTitleBar::SubObjectChanged(TSender sender) {
    if (sender != &font_ && sender != &font3D_)
        return;
    if (paintMode_ != TROPaintMode::pcNone && !(options_ & fsUseDefaultFont))
        PaintCaption(true);
}

void TROTitleBar::WindowProc(TMessage& m) {
    if (!Enabled() || paintMode_ == TROPaintMode::pcNone) {
        PassOn(m);
        return;
    }
    switch (m.Msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        if (options_ & fsUseFormCaption) {
            PassOn(m);
            return;
        }
        // The desktop is told of an empty caption; this component paints the real one.
        if (m.Msg == WM_GETTEXT && m.WParam > 1) {
            if (auto* buffer = reinterpret_cast<QString*>(m.LParam))
                *buffer = QStringLiteral(" ");
        }
        m.Result = 1;
        return;
    case WM_NCPAINT:
        PassOn(m);
        if (active_ || inactiveGradient())
            PaintCaption(true);
        m.Result = 0;
        return;
    case WM_NCACTIVATE:
        active_ = m.WParam != 0;
        PassOn(m);
        if (active_ || inactiveGradient())
            PaintCaption(false);
        m.Result = 1;
        return;
    default: PassOn(m); return;
    }
}

void TROTitleBar::Activate() {
    if (!Enabled())
        return;
    TROWndProcComponent::Activate();
    if (!(options_ & fsUseFormCaption)) {
        if (TForm* f = form()) {
            captionText_ = f->Caption();
            f->SetCaption(QStringLiteral(" "));
        }
    }
    if (!isLoading() && !isReading())
        PaintCaption(true);
}

void TROTitleBar::Deactivate() {
    iconBitmap_.ReleasePicture();
    if (!(options_ & fsUseFormCaption)) {
        if (TForm* f = form())
            f->SetCaption(captionText_);
    }
    if (!isDestroying())
        RestoreSystemCaption();
}

void TROTitleBar::RestoreSystemCaption() {
    if (!CanPaint())
        return;
    // Straight to the form's own handling: through the hook it would be painted over again.
    if (TForm* f = form())
        f->Perform(WM_NCACTIVATE, 1, 0);
}

void TROTitleBar::PaintCaption(bool saveIcon) {
    if (isDesigning() || !Enabled() || paintMode_ == TROPaintMode::pcNone || painting_)
        return;
    TForm* f = form();
    WindowHandle* window = OwnerWindow();
    if (!f || !window)
        return;
    if (window->windowMinimised() && !Desktop::instance().newStyleDecorations())
        return;
    if (!window->windowExists() || !window->windowVisible() || !f->HandleAllocated())
        return;
    if (options_ & fsUseFormCaption)
        captionText_ = f->Caption();

    QPaintDevice* dc = window->GetWindowDC();
    if (!dc)
        return;
    painting_ = true;
    captionCanvas_.bind(*dc);
    const auto release = [&] {
        captionCanvas_.unbind();
        window->ReleaseDC();
        painting_ = false;
    };
    try {
        paintSteps(*f, *window, saveIcon);
    } catch (const EColorSettingError& e) {
        release();
        // Told once a run: every paint reads the setting again, and each error
        // box changes the activation, which paints again.
        if (firstReportOf(e))
            throw;
        return;
    } catch (...) {
        release();
        // A failure that repeats with every paint (a bad colour setting, say) is
        // told once: its error box changes the activation, which paints again.
        const QString text = Application::errorBoxText(std::current_exception());
        if (text == failedWith_)
            return;
        failedWith_ = text;
        throw;
    }
    release();
    failedWith_.clear();
}

void TROTitleBar::paintSteps(TForm& f, WindowHandle& window, bool saveIcon) {
    const FrameMetrics metrics = FrameMetrics::desktop();
    TCanvas& c = captionCanvas_;

    std::uint16_t flags = crEndAtText;
    if (paintMode_ == TROPaintMode::pcOwnerDraw && (options_ & fsAdjustRect))
        flags |= crOwnerDrawAdjust;
    if (f.BorderStyle() == TFormBorderStyle::bsSingle)
        flags |= crSingleBorder;
    TRect captionRect, textRect;
    CalcCaptionRects(window, captionRect, textRect, flags, metrics);

    if (paintMode_ == TROPaintMode::pcControl) {
        if ((flags & crIcon) && saveIcon) {
            const int w = textRect.Left - captionRect.Left;
            const int h = captionRect.Bottom - captionRect.Top;
            iconBitmap_.SetSize(w, h);
            const QImage picture = c.copyImage(Bounds(captionRect.Left, captionRect.Top, w, h));
            if (!iconBitmap_.Empty())
                iconBitmap_.Canvas().CopyRect(Bounds(0, 0, w, h), picture, Bounds(0, 0, picture.width(), picture.height()));
        }
        if (active_ || inactiveGradient()) {
            const TColor start = active_ ? activeStart_ : inactiveStart_;
            const TColor middle = active_ ? activeEnd_ : inactiveEnd_;
            const TColor end = active_ ? ReadGradientActiveTitle() : ReadGradientInactiveTitle();
            const int split = captionRect.Right / 3;
            const auto bands = static_cast<std::uint8_t>(colors_);
            GradientFill(c, Rect(captionRect.Left, captionRect.Top, split, captionRect.Bottom), start, middle, bands);
            GradientFill(c, Rect(split, captionRect.Top, captionRect.Right, captionRect.Bottom), middle, end, bands);
            if ((flags & crIcon) && metrics.newStyle && !iconBitmap_.Empty()) {
                DrawTransparentBitmap(c,
                                      Bounds(captionRect.Left, captionRect.Top, iconBitmap_.Width(), iconBitmap_.Height()),
                                      iconBitmap_, transparentColorOf(iconBitmap_), dtbPlain);
            }
        }
    } else if (paintMode_ == TROPaintMode::pcOwnerDraw && OnPaint) {
        c.SetClipRect(captionRect);
        OnPaint(*this, c, captionRect);
        c.RemoveClip();
    }

    if (options_ & fsUseDefaultFont) {
        const Desktop& d = Desktop::instance();
        TFont font = (flags & crSmallCaption) ? d.smallCaptionFont() : d.captionFont();
        if (!metrics.newStyle) {
            font = c.Font();
            font.Style |= fsBold;
            font.Height = textRect.Height();
        }
        c.SetFont(font);
    } else {
        c.SetFont(font_);
    }
    c.SetBrushStyle(TBrushStyle::bsClear);

    TColor color = clCaptionText;
    if (!active_)
        color = clInactiveCaptionText;
    else if (options_ & fsUseDefaultFont)
        color = clCaptionText;
    else if (options_ & fsUseFontColor)
        color = font_.Color;
    c.SetFontColor(color);

    if ((options_ & fsDrawCaptionEvent) || paintMode_ == TROPaintMode::pcOwnerDraw) {
        if (OnCaptionPaint) {
            c.SetClipRect(textRect);
            OnCaptionPaint(*this, c, textRect);
            c.RemoveClip();
        }
        return;
    }
    if (!active_ && (options_ & fsUseFormCaption) && !inactiveGradient())
        return;

    unsigned bits = alignmentBits(alignment_) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (parentBiDiMode_ && f.UseRightToLeftReading())
        bits |= DT_RTLREADING;
    if (options_ & fsUseDefaultFont) {
        TRect r = textRect;
        c.DrawText(captionText_, r, bits);
    } else {
        DrawEffectText(c, captionText_, &font3D_, textRect, bits, etEnabled | etClip);
    }
}

}  // namespace pellax
