#include "framework/windows/framepainter.h"

#include "framework/paint/desktop.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace pellax {

namespace {

// A one-pixel ring: top and left in `topLeft`, bottom and right in `bottomRight`.
void ring(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.IsEmpty())
        return;
    c.SetBrushColor(topLeft);
    c.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
    c.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
    c.SetBrushColor(bottomRight);
    c.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    c.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
}

void paintBorder(TCanvas& c, const FrameLayout& l, int width, int height, bool active) {
    TRect r = Rect(0, 0, width, height);
    if (l.frame == 1) {
        ring(c, r, systemColor(COLOR_WINDOWFRAME), systemColor(COLOR_WINDOWFRAME));
        return;
    }
    if (l.frame < 2)
        return;
    ring(c, r, systemColor(COLOR_3DLIGHT), systemColor(COLOR_3DDKSHADOW));
    r = InflateRect(r, -1, -1);
    ring(c, r, systemColor(COLOR_BTNHIGHLIGHT), systemColor(COLOR_BTNSHADOW));
    const TColor rest = l.sizeable ? systemColor(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER)
                                   : systemColor(COLOR_BTNFACE);
    for (int i = 2; i < l.frame; ++i) {
        r = InflateRect(r, -1, -1);
        ring(c, r, rest, rest);
    }
}

void paintCaptionBar(TCanvas& c, const FrameLayout& l, const FrameLook& look) {
    const TColor start = systemColor(look.active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const TColor end = systemColor(look.active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    // The line between the caption and what lies below it.
    c.SetBrushColor(systemColor(COLOR_BTNFACE));
    c.FillRect(Rect(l.caption.Left, l.caption.Bottom, l.caption.Right, l.frame + l.captionHeight));

    // The icon sits on the plain start colour; the gradient begins after it.
    const int gradientLeft = l.icon.IsEmpty() ? l.caption.Left : l.icon.Right + 1;
    c.SetBrushColor(start);
    c.FillRect(Rect(l.caption.Left, l.caption.Top, gradientLeft, l.caption.Bottom));
    const TRect rest = Rect(gradientLeft, l.caption.Top, l.caption.Right, l.caption.Bottom);
    if (!Desktop::instance().newStyleDecorations()) {
        c.FillRect(rest);
    } else if (QPainter* p = c.painter(); p && !rest.IsEmpty()) {
        QLinearGradient gradient(rest.Left, 0, rest.Right - 1, 0);
        gradient.setColorAt(0, c.qcolor(start));
        gradient.setColorAt(1, c.qcolor(end));
        p->fillRect(toQRect(rest), gradient);
    }

    if (!l.icon.IsEmpty() && !look.icon.isNull()) {
        if (QPainter* p = c.painter()) {
            // An icon of the device's pixels is copied as it is; any other size is scaled smoothly.
            p->save();
            p->setRenderHint(QPainter::SmoothPixmapTransform);
            p->drawImage(QRectF(toQRect(l.icon)), look.icon);
            p->restore();
        }
    }

    if (!look.text.isEmpty() && !l.text.IsEmpty()) {
        const Desktop& d = Desktop::instance();
        TFont font = l.smallCaption ? d.smallCaptionFont() : d.captionFont();
        font.Color = look.active ? clCaptionText : clInactiveCaptionText;
        c.SetFont(font);
        c.SetBrushStyle(TBrushStyle::bsClear);
        const QString shown = c.metrics().elidedText(look.text, Qt::ElideRight, l.text.Width());
        TRect r = l.text;
        c.DrawText(shown, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void fill(TCanvas& c, int x, int y, int w, int h) { c.FillRect(Bounds(x, y, w, h)); }

void paintGlyph(TCanvas& c, CaptionButton button, const TRect& r, bool small, int shift) {
    const int w = r.Width(), h = r.Height();
    const int g = std::max(4, std::min(w, h) - (small ? 4 : 6));
    const int x0 = r.Left + shift, y0 = r.Top + shift;
    switch (button) {
    case CaptionButton::Close: {
        const int left = x0 + (w - g - 1) / 2, top = y0 + (h - g + 1) / 2;
        for (int i = 0; i < g - 1; ++i) {
            fill(c, left + i, top + i, 2, 1);
            fill(c, left + g - 2 - i, top + i, 2, 1);
        }
        break;
    }
    case CaptionButton::Minimize: fill(c, x0 + (w - g + 2) / 2, y0 + h - (small ? 4 : 5), g - 2, 2); break;
    case CaptionButton::Maximize: {
        const int left = x0 + (w - g - 1) / 2, top = y0 + (h - g) / 2;
        fill(c, left, top, g + 1, 2);
        fill(c, left, top, 1, g);
        fill(c, left + g, top, 1, g);
        fill(c, left, top + g - 1, g + 1, 1);
        break;
    }
    case CaptionButton::Help: {
        TFont font = Desktop::instance().captionFont();
        font.Color = c.Brush().Color;
        c.SetFont(font);
        c.SetBrushStyle(TBrushStyle::bsClear);
        TRect box = OffsetRect(r, shift, shift);
        c.DrawText(QStringLiteral("?"), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        break;
    }
    case CaptionButton::None: break;
    }
}

}  // namespace

void paintCaptionButton(TCanvas& c, const FrameLayout& l, CaptionButton button, bool pressed) {
    const TRect* where = l.button(button);
    if (!where || where->IsEmpty())
        return;
    const TRect r = *where;
    c.SetBrushColor(systemColor(COLOR_BTNFACE));
    c.FillRect(r);
    if (pressed) {
        ring(c, r, systemColor(COLOR_3DDKSHADOW), systemColor(COLOR_BTNHIGHLIGHT));
        ring(c, InflateRect(r, -1, -1), systemColor(COLOR_BTNSHADOW), systemColor(COLOR_3DLIGHT));
    } else {
        ring(c, r, systemColor(COLOR_3DLIGHT), systemColor(COLOR_3DDKSHADOW));
        ring(c, InflateRect(r, -1, -1), systemColor(COLOR_BTNHIGHLIGHT), systemColor(COLOR_BTNSHADOW));
    }
    const bool enabled = (button != CaptionButton::Maximize || l.maximizeEnabled) &&
                         (button != CaptionButton::Minimize || l.minimizeEnabled);
    const int shift = pressed ? 1 : 0;
    if (!enabled) {
        c.SetBrushColor(systemColor(COLOR_BTNHIGHLIGHT));
        paintGlyph(c, button, r, l.smallCaption, shift + 1);
        c.SetBrushColor(systemColor(COLOR_GRAYTEXT));
    } else {
        c.SetBrushColor(systemColor(COLOR_BTNTEXT));
    }
    paintGlyph(c, button, r, l.smallCaption, shift);
}

void paintClassicFrame(TCanvas& c, const FrameLayout& l, int width, int height, const FrameLook& look) {
    paintBorder(c, l, width, height, look.active);
    if (l.captionHeight <= 0)
        return;
    paintCaptionBar(c, l, look);
    for (const CaptionButton b :
         {CaptionButton::Close, CaptionButton::Maximize, CaptionButton::Minimize, CaptionButton::Help})
        paintCaptionButton(c, l, b, look.pressed == b);
}

}  // namespace pellax
