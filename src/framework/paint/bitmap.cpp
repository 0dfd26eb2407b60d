#include "framework/paint/bitmap.h"

namespace pellax {

TBitmap::TBitmap(const SystemColors& colors) : canvas_(colors) {
    canvas_.setDeviceProvider([this]() -> QPaintDevice* { return image_.isNull() ? nullptr : &image_; });
}

TBitmap::TBitmap(int width, int height, const SystemColors& colors) : TBitmap(colors) { SetSize(width, height); }

void TBitmap::SetSize(int width, int height) {
    if (width == image_.width() && height == image_.height())
        return;
    canvas_.unbind();
    if (width <= 0 || height <= 0)
        image_ = QImage();
    else
        image_ = QImage(width, height, QImage::Format_RGB32);
}

void TBitmap::ReleasePicture() { SetSize(0, 0); }

const QImage& TBitmap::image() {
    canvas_.unbind();
    return image_;
}

TColor TBitmap::pixel(int x, int y) {
    const QRgb c = image().pixel(x, y);
    return static_cast<TColor>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

}  // namespace pellax
