#pragma once

#include "framework/paint/geometry.h"

#include <cstdint>

namespace pellax {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

// The desktop metrics that window frames and caption bars are laid out with.
struct FrameMetrics {
    int B = 1, By = 1;    // border width and height
    int Fx = 4, Fy = 4;   // sizing frame
    int Dx = 3, Dy = 3;   // dialog (fixed) frame
    int Cw = 18;          // caption button width
    int H = 19;           // caption height, the line below it included
    int Hs = 15;          // small caption height
    int Sw = 12;          // small caption button width
    int Iw = 16, Ih = 16; // small icon
    bool newStyle = true; // gradient captions, close button apart

    // The emulated desktop's values.
    static FrameMetrics desktop();
};

struct WindowStyles {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    friend bool operator==(const WindowStyles&, const WindowStyles&) = default;
};

// The style bits the desktop gives a form of this border style and these
// border icons (visibility and minimised state not included).
WindowStyles formWindowStyles(TFormBorderStyle border, unsigned borderIcons, bool rightToLeft = false);

enum class CaptionButton { None, Close, Maximize, Minimize, Help };

// Where the parts of a classic window frame lie, in window coordinates.
struct FrameLayout {
    int frame = 0;          // border width on every side
    int captionHeight = 0;  // caption bar and the line below it; 0 without a caption
    TRect caption;          // the caption bar
    TRect icon;             // the small window icon; empty when it is not shown
    TRect closeButton, maximizeButton, minimizeButton, helpButton;  // empty when absent
    bool maximizeEnabled = false, minimizeEnabled = false;
    TRect text;             // where the caption text goes
    bool smallCaption = false;
    bool sizeable = false;

    // The client part of the window, below the caption, inside the frame.
    TRect client(int width, int height) const {
        return {frame, frame + captionHeight, width - frame, height - frame};
    }
    const TRect* button(CaptionButton b) const;
};

FrameLayout frameLayout(const WindowStyles& styles, int width, const FrameMetrics& metrics);

// What lies under a point of the window.
enum class FrameHit { Client, Caption, Button, Border };
FrameHit frameHitTest(const FrameLayout& layout, int width, int height, TPoint p, CaptionButton* button = nullptr);

}  // namespace pellax
