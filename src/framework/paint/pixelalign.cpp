#include "framework/paint/pixelalign.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QScopedValueRollback>
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

// Two pictures kept between calls, so that a paint in steady state allocates
// nothing: the part at one device pixel per logical pixel, and the same widened.
// A paint that nests inside another's drawing gets pictures of its own.
struct Scratch {
    QImage picture;
    QImage wide;
    bool busy = false;
};

// `image` at least `size`, kept when it is large enough already.
void ensure(QImage& image, QSize size) {
    if (image.width() >= size.width() && image.height() >= size.height())
        return;
    image = QImage(size.expandedTo(image.size()), QImage::Format_ARGB32_Premultiplied);
}

// The part of `logical` the painter can change: its clip and the region of the
// paint under way, widened by a pixel for the rounding between the two.
QRect reachable(const QPainter& painter, const QRect& logical) {
    QRect part = logical;
    const QTransform toDevice = painter.deviceTransform();
    if (painter.hasClipping())
        part &= painter.clipBoundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (const QPaintEngine* engine = painter.paintEngine()) {
        const QRegion system = engine->systemClip();
        if (!system.isEmpty()) {
            const QRectF onDevice = QRectF(system.boundingRect());
            part &= toDevice.inverted().mapRect(onDevice).toAlignedRect().adjusted(-1, -1, 1, 1);
        }
    }
    return part;
}

// Paints `part` at one device pixel per logical pixel into the top left of
// `picture`, transparent where nothing was drawn.
void paintAtOne(QPainter& painter, QImage& picture, const QRect& part, const std::function<void(QPainter&)>& paint) {
    QPainter p(&picture);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(QPoint(), part.size()), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setClipRect(QRect(QPoint(), part.size()));
    p.translate(-part.topLeft());
    p.setRenderHints(painter.renderHints());
    p.setPen(painter.pen());
    p.setBrush(painter.brush());
    p.setBrushOrigin(painter.brushOrigin());
    p.setFont(painter.font());
    p.setBackground(painter.background());
    p.setBackgroundMode(painter.backgroundMode());
    p.setLayoutDirection(painter.layoutDirection());
    paint(p);
}

// Each logical pixel of `picture` repeated over the device pixels it owns, into
// the top left of `wide`.
void widen(const QImage& picture, QImage& wide, const std::vector<int>& xs, const std::vector<int>& ys) {
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(i)));
        for (int y = ys[i]; y < ys[i + 1]; ++y) {
            auto* to = reinterpret_cast<QRgb*>(wide.scanLine(y - ys.front()));
            for (std::size_t j = 0; j + 1 < xs.size(); ++j) {
                for (int x = xs[j]; x < xs[j + 1]; ++x)
                    to[x - xs.front()] = from[j];
            }
        }
    }
}

}  // namespace

void paintPixelAligned(QPainter& painter, const QRect& logical, const std::function<void(QPainter&)>& paint) {
    if (logical.isEmpty() || !needsPixelAlignment(painter)) {
        paint(painter);
        return;
    }
    const QRect part = reachable(painter, logical);
    if (part.isEmpty())
        return;
    const QTransform toDevice = painter.deviceTransform();
    const std::vector<int> xs = deviceEdges(toDevice.m11(), toDevice.dx(), part.left(), part.width());
    const std::vector<int> ys = deviceEdges(toDevice.m22(), toDevice.dy(), part.top(), part.height());
    const QSize wideSize(xs.back() - xs.front(), ys.back() - ys.front());

    static Scratch shared;
    Scratch own;
    Scratch& scratch = shared.busy ? own : shared;
    const QScopedValueRollback<bool> busy(scratch.busy, true);
    ensure(scratch.picture, part.size());
    ensure(scratch.wide, wideSize);
    paintAtOne(painter, scratch.picture, part, paint);
    widen(scratch.picture, scratch.wide, xs, ys);

    // Drawn in device pixels: the world transform undoes what the painter adds
    // after it (the widget's offset, the screen's scale), leaving a plain move.
    const QTransform afterWorld = painter.worldTransform().inverted() * toDevice;
    painter.save();
    painter.setWorldTransform(QTransform::fromTranslate(xs.front(), ys.front()) * afterWorld.inverted());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(0, 0), scratch.wide, QRect(QPoint(0, 0), wideSize));
    painter.restore();
}

}  // namespace pellax
