#pragma once

#include "framework/paint/geometry.h"
#include "framework/windows/framelayout.h"
#include "framework/windows/windowhandle.h"

#include <cstdint>

namespace pellax {

// Flags of CalcCaptionRects. The caller sets the first three; the routine adds the others.
inline constexpr std::uint16_t crEndAtText = 0x0001;        // the caption ends where the text ends
inline constexpr std::uint16_t crOwnerDrawAdjust = 0x0002;  // owner-drawn, caption starts right of the icon
inline constexpr std::uint16_t crSmallCaption = 0x0004;     // a tool window's small caption
inline constexpr std::uint16_t crIcon = 0x0008;             // the caption shows the window icon at its left end
inline constexpr std::uint16_t crMinimisedIcon = 0x0010;    // the window is minimised and shows its icon
inline constexpr std::uint16_t crSingleBorder = 0x0020;     // the form's border is single (fixed)

// What the caption rectangles depend on of a window.
struct CaptionWindowInfo {
    bool exists = true;
    bool visible = true;
    bool minimised = false;
    TRect rect;  // only its width counts
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};

CaptionWindowInfo captionWindowInfo(const WindowHandle& window);

// The caption bar and the caption text rectangles of a window, relative to
// its top-left corner, from its style bits and the desktop metrics `m`.
void CalcCaptionRects(const CaptionWindowInfo& window, TRect& captionRect, TRect& textRect, std::uint16_t& flags,
                      const FrameMetrics& m);
inline void CalcCaptionRects(const WindowHandle& window, TRect& captionRect, TRect& textRect, std::uint16_t& flags,
                             const FrameMetrics& m = FrameMetrics::desktop()) {
    CalcCaptionRects(captionWindowInfo(window), captionRect, textRect, flags, m);
}

}  // namespace pellax
