#include "framework/windows/framelayout.h"

#include "framework/paint/desktop.h"
#include "framework/windows/windowhandle.h"

namespace pellax {

FrameMetrics FrameMetrics::desktop() {
    const Desktop& d = Desktop::instance();
    FrameMetrics m;
    m.B = d.metric(Metric::CxBorder);
    m.By = d.metric(Metric::CyBorder);
    m.Fx = d.metric(Metric::CxSizeFrame);
    m.Fy = d.metric(Metric::CySizeFrame);
    m.Dx = d.metric(Metric::CxFixedFrame);
    m.Dy = d.metric(Metric::CyFixedFrame);
    m.Cw = d.metric(Metric::CxSize);
    m.H = d.metric(Metric::CyCaption);
    m.Hs = d.metric(Metric::CySmCaption);
    m.Sw = d.metric(Metric::CxSmSize);
    m.Iw = d.metric(Metric::CxSmIcon);
    m.Ih = d.metric(Metric::CySmIcon);
    m.newStyle = d.newStyleDecorations();
    return m;
}

WindowStyles formWindowStyles(TFormBorderStyle border, unsigned icons, bool rightToLeft) {
    using enum TFormBorderStyle;
    WindowStyles s{WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0};
    switch (border) {
    case bsNone: s.style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: s.style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: s.style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        s.style |= WS_POPUP | WS_CAPTION;
        s.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    }
    if (border == bsToolWindow || border == bsSizeToolWin)
        s.exStyle |= WS_EX_TOOLWINDOW;
    if (border != bsNone) {
        s.exStyle |= WS_EX_WINDOWEDGE;
        // Only the ordinary frames carry the minimise and maximise boxes.
        const bool boxes = border == bsSingle || border == bsSizeable;
        if (boxes && (icons & biMinimize))
            s.style |= WS_MINIMIZEBOX;
        if (boxes && (icons & biMaximize))
            s.style |= WS_MAXIMIZEBOX;
        if (icons & biSystemMenu)
            s.style |= WS_SYSMENU;
        if ((icons & biHelp) && (icons & biSystemMenu) &&
            (border == bsDialog || !(s.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
            s.exStyle |= WS_EX_CONTEXTHELP;
    }
    if (rightToLeft)
        s.exStyle |= WS_EX_RTLREADING;
    return s;
}

const TRect* FrameLayout::button(CaptionButton b) const {
    switch (b) {
    case CaptionButton::Close: return &closeButton;
    case CaptionButton::Maximize: return &maximizeButton;
    case CaptionButton::Minimize: return &minimizeButton;
    case CaptionButton::Help: return &helpButton;
    case CaptionButton::None: break;
    }
    return nullptr;
}

FrameLayout frameLayout(const WindowStyles& styles, int width, const FrameMetrics& m) {
    FrameLayout l;
    const std::uint32_t style = styles.style;
    const std::uint32_t ex = styles.exStyle;
    l.sizeable = (style & WS_THICKFRAME) != 0;
    if (l.sizeable)
        l.frame = m.Fx;
    else if ((style & WS_DLGFRAME) || (ex & WS_EX_DLGMODALFRAME))
        l.frame = m.Dx;
    else if (style & WS_BORDER)
        l.frame = m.B;
    if ((style & WS_CAPTION) != WS_CAPTION)
        return l;

    l.smallCaption = (ex & WS_EX_TOOLWINDOW) != 0;
    l.captionHeight = l.smallCaption ? m.Hs : m.H;
    l.caption = Rect(l.frame, l.frame, width - l.frame, l.frame + l.captionHeight - m.By);
    const int barHeight = l.caption.Height();
    l.text = Rect(l.caption.Left + 2 * m.B, l.caption.Top, l.caption.Right - 2 * m.B, l.caption.Bottom);
    if (!(style & WS_SYSMENU))
        return l;

    // Buttons from the right: close, then the maximise and minimise pair or help.
    const int bw = (l.smallCaption ? m.Sw : m.Cw) - 2;
    const int bh = barHeight - 4;
    const int top = l.caption.Top + 2;
    l.closeButton = Bounds(l.caption.Right - 2 - bw, top, bw, bh);
    int left = l.closeButton.Left;
    if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
        l.maximizeButton = Bounds(l.closeButton.Left - 2 - bw, top, bw, bh);
        l.minimizeButton = Bounds(l.maximizeButton.Left - bw, top, bw, bh);
        l.maximizeEnabled = (style & WS_MAXIMIZEBOX) != 0;
        l.minimizeEnabled = (style & WS_MINIMIZEBOX) != 0;
        left = l.minimizeButton.Left;
    } else if (ex & WS_EX_CONTEXTHELP) {
        l.helpButton = Bounds(l.closeButton.Left - 2 - bw, top, bw, bh);
        left = l.helpButton.Left;
    }
    l.text.Right = left - 3 * m.B;

    // Dialogs and tool windows show no icon.
    if (!l.smallCaption && !(ex & WS_EX_DLGMODALFRAME)) {
        l.icon = Bounds(l.caption.Left + 2 * m.B, l.caption.Top + (barHeight - m.Ih) / 2, m.Iw, m.Ih);
        l.text.Left = l.icon.Right + 3 * m.B;
    }
    return l;
}

FrameHit frameHitTest(const FrameLayout& l, int width, int height, TPoint p, CaptionButton* button) {
    if (button)
        *button = CaptionButton::None;
    if (l.client(width, height).Contains(p))
        return FrameHit::Client;
    for (const CaptionButton b :
         {CaptionButton::Close, CaptionButton::Maximize, CaptionButton::Minimize, CaptionButton::Help}) {
        if (l.button(b)->Contains(p)) {
            if (button)
                *button = b;
            return FrameHit::Button;
        }
    }
    if (l.captionHeight > 0 && p.Y >= l.frame && p.Y < l.frame + l.captionHeight && p.X >= l.frame &&
        p.X < width - l.frame)
        return FrameHit::Caption;
    return FrameHit::Border;
}

}  // namespace pellax
