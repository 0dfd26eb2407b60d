#pragma once

#include "framework/paint/canvas.h"

#include <QImage>

namespace pellax {

// An off-screen picture with a canvas. The canvas binds to the picture when it
// is first drawn on and lets go of it before the picture is resized or read, so
// callers never see a half-painted image.
class TBitmap {
public:
    explicit TBitmap(const SystemColors& colors = Desktop::instance());
    TBitmap(int width, int height, const SystemColors& colors = Desktop::instance());
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const noexcept { return image_.width(); }
    int Height() const noexcept { return image_.height(); }
    bool Empty() const noexcept { return image_.isNull(); }
    // The content is undefined after a change of size, as on the desktop.
    void SetSize(int width, int height);
    // Frees the picture; the size becomes 0 x 0.
    void ReleasePicture();

    TCanvas& Canvas() noexcept { return canvas_; }
    // The finished picture.
    const QImage& image();
    // The colour of a pixel as 0x00BBGGRR.
    TColor pixel(int x, int y);

private:
    QImage image_;
    TCanvas canvas_;
};

}  // namespace pellax
