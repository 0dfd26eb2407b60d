#include "controls/captionrects.h"

namespace pellax {

CaptionWindowInfo captionWindowInfo(const WindowHandle& window) {
    return {window.windowExists(), window.windowVisible(), window.windowMinimised(), window.windowRect(),
            window.windowStyle(), window.windowExStyle()};
}

namespace {

void pullIn(TRect& r, int left, int top, int right, int bottom) {
    r.Left += left;
    r.Top += top;
    r.Right += right;
    r.Bottom += bottom;
}

}  // namespace

void CalcCaptionRects(const CaptionWindowInfo& w, TRect& captionRect, TRect& textRect, std::uint16_t& flags,
                      const FrameMetrics& m) {
    const bool fresh = m.newStyle;
    const int H = m.H;
    const int Hs = fresh ? m.Hs : m.H;
    const int Sw = fresh ? m.Sw : m.Cw;
    const int Iw = fresh ? m.Iw : m.Cw;
    const int B = m.B, By = m.By;
    const std::uint32_t style = w.style, ex = w.exStyle;
    const int width = w.rect.Width();

    captionRect = Rect(0, 0, width, H);
    if ((ex & WS_EX_TOOLWINDOW) && fresh) {
        captionRect = Rect(0, 0, width, Hs);
        flags |= crSmallCaption;
    }
    const TRect t0 = captionRect;

    if (!fresh && (flags & crSingleBorder)) {
        pullIn(captionRect, B, By, -B, -B);
    } else if (style & WS_THICKFRAME) {
        pullIn(captionRect, m.Fx, m.Fy, -m.Fx, m.Fy - By);
        if (!fresh)
            captionRect.Bottom -= B;
    } else if (ex & WS_EX_DLGMODALFRAME) {
        pullIn(captionRect, m.Dx, m.Dy, -m.Dx, m.Dy - By);
    } else if (!fresh && (ex & WS_EX_TOOLWINDOW)) {
        pullIn(captionRect, B, By, -B, -B);
    } else {
        pullIn(captionRect, 3 * B, 3 * By, -3 * B, 2 * By);
    }

    textRect = t0;
    if (w.exists && w.visible) {
        const bool small = (flags & crSmallCaption) != 0;
        const int W = small ? Sw : m.Cw;
        if (!small)
            textRect = captionRect;
        const int boxes = ((style & WS_MINIMIZEBOX) ? 1 : 0) + ((style & WS_MAXIMIZEBOX) ? 1 : 0);
        if (style & WS_SYSMENU) {
            if (fresh) {
                if (!w.minimised)
                    textRect.Right -= W + 3 * B;
            } else {
                textRect.Right -= 2 * B;
            }
            const bool icon = ((style & WS_THICKFRAME) && !small) || (flags & crSingleBorder) ||
                              (!fresh && (style & (WS_POPUP | WS_BORDER | WS_SYSMENU)) == (WS_POPUP | WS_BORDER | WS_SYSMENU)) ||
                              (!fresh && (ex & WS_EX_TOOLWINDOW));
            if (icon) {
                flags |= crIcon;
                if (fresh) {
                    textRect.Left += Iw + m.Fx;
                    if (w.minimised)
                        flags |= crMinimisedIcon;
                    else
                        textRect.Left += B;
                } else {
                    textRect.Left += m.Cw + 2 * B;
                }
            }
            if (boxes > 0) {
                textRect.Right -= fresh ? 2 * W : boxes * W;
            } else if (ex & WS_EX_CONTEXTHELP) {
                textRect.Right -= W;
                if (fresh)
                    textRect.Right -= B;
            }
            if (fresh && (ex & WS_EX_TOOLWINDOW)) {
                textRect.Left += 4 * B;
                textRect.Top += 3 * B;
                textRect.Right -= 2 * B;
            }
        } else {
            textRect.Left += 2 * B;
            if (!fresh)
                textRect.Right -= boxes * (B + W);
        }
        if (textRect.Left == captionRect.Left)
            textRect.Left += 2 * B;
    }

    if (flags & crMinimisedIcon)
        captionRect.Bottom -= By;
    textRect.Bottom = captionRect.Bottom;
    if (flags & crEndAtText)
        captionRect.Right = textRect.Right;
    if ((flags & crIcon) && ((flags & crOwnerDrawAdjust) || !fresh)) {
        captionRect.Left = textRect.Left;
        textRect.Left += 2 * B;
    }
}

}  // namespace pellax
