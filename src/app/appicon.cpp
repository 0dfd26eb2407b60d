#include "app/appicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace pellax {

namespace {

// One crystal: a pointed column on a 48-unit grid, lit from the left.
struct Shard {
    double left, right, top, shoulder, bottom;  // column edges, tip, where the tip meets the sides, foot
};

void drawShard(QPainter& p, const Shard& s) {
    const double mid = (s.left + s.right) / 2;
    const QPolygonF lit{{QPointF(s.left, s.shoulder), QPointF(mid, s.top), QPointF(mid, s.bottom),
                         QPointF(s.left, s.bottom)}};
    const QPolygonF shade{{QPointF(mid, s.top), QPointF(s.right, s.shoulder), QPointF(s.right, s.bottom),
                           QPointF(mid, s.bottom)}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8F, 0xDD, 0xFF));
    p.drawPolygon(lit);
    p.setBrush(QColor(0x2A, 0x86, 0xD6));
    p.drawPolygon(shade);
    // A thin bright edge down the middle keeps the facets apart at small sizes.
    p.setPen(QPen(QColor(0xE8, 0xF8, 0xFF), 1.2));
    p.drawLine(QPointF(mid, s.top + 1), QPointF(mid, s.bottom - 1));
}

}  // namespace

QImage drawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 48.0, size / 48.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(1.5, 1.5, 45, 45), 7, 7);
    p.setPen(QPen(QColor(0x4C, 0x78, 0xC8), 2));
    p.setBrush(QColor(0x0E, 0x18, 0x38));
    p.drawPath(tile);

    constexpr std::array<Shard, 3> shards{{
        {8, 18, 17, 22, 40},   // left, short
        {30, 40, 15, 20, 40},  // right, short
        {17, 31, 5, 12, 42},   // middle, tall, drawn last so it stands in front
    }};
    for (const Shard& s : shards)
        drawShard(p, s);

    // The ground the crystals grow from.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x2E, 0x22));
    p.drawRoundedRect(QRectF(6, 39, 36, 4), 2, 2);
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(drawAppIcon(size)));
    return icon;
}

}  // namespace pellax
