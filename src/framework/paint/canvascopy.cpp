// Images onto a TCanvas: copies, stretched or plain, with or without a
// transparent colour, and the pixels back from a canvas bound to an image.

#include "framework/paint/canvas.h"

#include <QPaintEngine>
#include <QPainter>

namespace pellax {

void TCanvas::CopyRect(const TRect& dest, const QImage& image, const TRect& src) {
    if (dest.IsEmpty() || src.IsEmpty() || image.isNull())
        return;
    QPainter& p = paint();
    const QPainter::CompositionMode mode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect target = toQRect(dest);
    const QRect source = toQRect(src);
    if (!copyByExposedRects(p, target, image, source))
        p.drawImage(target, image, source);
    p.setCompositionMode(mode);
}

// A widget whose opaque children cut holes in its paint region would have a
// copy into it clipped to a region, which Qt paints span by span through its
// thread pool: many wake-ups per frame for an animation. Copying each exposed
// rectangle on its own keeps every copy a plain blit.
bool TCanvas::copyByExposedRects(QPainter& p, const QRect& target, const QImage& image, const QRect& source) {
    const QPaintEngine* engine = p.paintEngine();
    if (!engine || image_ || target.size() != source.size() || p.hasClipping())
        return false;
    const QRegion exposed = engine->systemClip();
    if (exposed.rectCount() < 2 || p.deviceTransform().type() > QTransform::TxTranslate)
        return false;
    const QTransform toLogical = p.deviceTransform().inverted();
    const QPoint toSource = source.topLeft() - target.topLeft();
    for (const QRect& onDevice : exposed) {
        const QRect part = toLogical.mapRect(onDevice) & target;
        if (part.isEmpty())
            continue;
        p.save();
        p.setClipRect(part);
        p.drawImage(part, image, part.translated(toSource));
        p.restore();
    }
    return true;
}

void TCanvas::Draw(int x, int y, const QImage& image) {
    CopyRect(Bounds(x, y, image.width(), image.height()), image, Bounds(0, 0, image.width(), image.height()));
}

void TCanvas::DrawTransparent(int x, int y, const QImage& image, TColor transparent) {
    if (image.isNull())
        return;
    const QRgb key = qRgb(transparent & 0xFF, (transparent >> 8) & 0xFF, (transparent >> 16) & 0xFF);
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < masked.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
        for (int col = 0; col < masked.width(); ++col) {
            // Only the exact colour is left out; everything else is copied whole.
            line[col] = (line[col] & 0xFFFFFFu) == (key & 0xFFFFFFu) ? 0u : (line[col] | 0xFF000000u);
        }
    }
    QPainter& p = paint();
    const QPainter::CompositionMode mode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPoint(x, y), masked);
    p.setCompositionMode(mode);
}

QImage TCanvas::copyImage(const TRect& r) const {
    if (!image_)
        return {};
    const TRect onImage = OffsetRect(r, state_.origin.X, state_.origin.Y);
    const qreal ratio = image_->devicePixelRatio();
    if (ratio == 1)
        return image_->copy(toQRect(onImage));
    // The device pixels under the rectangle, at the image's ratio.
    const int left = qRound(onImage.Left * ratio), top = qRound(onImage.Top * ratio);
    QImage part = image_->copy(left, top, qRound(onImage.Right * ratio) - left, qRound(onImage.Bottom * ratio) - top);
    part.setDevicePixelRatio(ratio);
    return part;
}

}  // namespace pellax
