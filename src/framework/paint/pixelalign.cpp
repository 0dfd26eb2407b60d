#include "framework/paint/pixelalign.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace pellax {

std::vector<int> deviceEdges(double scale, double offset, int first, int count) {
    std::vector<int> edges(static_cast<std::size_t>(std::max(count, 0)) + 1);
    for (std::size_t i = 0; i < edges.size(); ++i)
        edges[i] = qRound(scale * (first + static_cast<int>(i)) + offset);
    return edges;
}

bool needsPixelAlignment(const QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    // Turned, sheared, mirrored or shrunk pictures are not made of whole pixels anyway.
    if (t.type() > QTransform::TxScale || t.m11() < 1 || t.m22() < 1)
        return false;
    const auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-9; };
    return !(whole(t.m11()) && whole(t.m22()) && whole(t.dx()) && whole(t.dy()));
}

namespace {

// The picture at one device pixel per logical pixel, transparent where nothing was drawn.
QImage paintAtOne(QPainter& painter, const QRect& logical, const std::function<void(QPainter&)>& paint) {
    QImage picture(logical.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.translate(-logical.topLeft());
    p.setRenderHints(painter.renderHints());
    p.setPen(painter.pen());
    p.setBrush(painter.brush());
    p.setBrushOrigin(painter.brushOrigin());
    p.setFont(painter.font());
    p.setBackground(painter.background());
    p.setBackgroundMode(painter.backgroundMode());
    p.setLayoutDirection(painter.layoutDirection());
    paint(p);
    return picture;
}

// Each logical pixel of `picture` repeated over the device pixels it owns.
QImage widen(const QImage& picture, const std::vector<int>& xs, const std::vector<int>& ys) {
    QImage wide(xs.back() - xs.front(), ys.back() - ys.front(), QImage::Format_ARGB32_Premultiplied);
    std::vector<int> column(static_cast<std::size_t>(wide.width()));
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (int x = xs[i]; x < xs[i + 1]; ++x)
            column[static_cast<std::size_t>(x - xs.front())] = static_cast<int>(i);
    }
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(i)));
        for (int y = ys[i]; y < ys[i + 1]; ++y) {
            auto* to = reinterpret_cast<QRgb*>(wide.scanLine(y - ys.front()));
            for (std::size_t x = 0; x < column.size(); ++x)
                to[x] = from[column[x]];
        }
    }
    return wide;
}

}  // namespace

void paintPixelAligned(QPainter& painter, const QRect& logical, const std::function<void(QPainter&)>& paint) {
    if (logical.isEmpty() || !needsPixelAlignment(painter)) {
        paint(painter);
        return;
    }
    const QImage picture = paintAtOne(painter, logical, paint);
    const QTransform toDevice = painter.deviceTransform();
    const std::vector<int> xs = deviceEdges(toDevice.m11(), toDevice.dx(), logical.left(), logical.width());
    const std::vector<int> ys = deviceEdges(toDevice.m22(), toDevice.dy(), logical.top(), logical.height());
    const QImage wide = widen(picture, xs, ys);

    // Drawn in device pixels: the world transform undoes what the painter adds
    // after it (the widget's offset, the screen's scale), leaving a plain move.
    const QTransform afterWorld = painter.worldTransform().inverted() * toDevice;
    painter.save();
    painter.setWorldTransform(QTransform::fromTranslate(xs.front(), ys.front()) * afterWorld.inverted());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, wide);
    painter.restore();
}

}  // namespace pellax
