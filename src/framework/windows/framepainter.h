#pragma once

#include "framework/paint/canvas.h"
#include "framework/windows/framelayout.h"

#include <QImage>
#include <QString>

namespace pellax {

// The state a frame is drawn in.
struct FrameLook {
    bool active = false;
    QString text;
    QImage icon;  // the small window icon; none when null
    CaptionButton pressed = CaptionButton::None;
};

// Paints a window's frame the way the classic desktop does: the 3-D border,
// the caption bar in the desktop's caption gradient with the icon and the bold
// caption text, the caption buttons. The client part is left alone.
void paintClassicFrame(TCanvas& canvas, const FrameLayout& layout, int width, int height, const FrameLook& look);

// Just one caption button, raised or pushed in.
void paintCaptionButton(TCanvas& canvas, const FrameLayout& layout, CaptionButton button, bool pressed);

}  // namespace pellax
