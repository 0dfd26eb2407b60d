#include "app/appicon.h"

#include "app/appiconshape.h"

#include <QPainter>
#include <QPainterPath>

namespace pellax {

namespace {

void paintShape(QPainter& p, const IconShape& shape) {
    if (shape.stroke)
        p.setPen(QPen(*shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(shape.fill ? QBrush(*shape.fill) : QBrush(Qt::NoBrush));
    switch (shape.kind) {
    case IconShape::Kind::RoundedRect: {
        QPainterPath path;
        path.addRoundedRect(shape.rect, shape.radius, shape.radius);
        p.drawPath(path);
        break;
    }
    case IconShape::Kind::Polygon:
        p.drawPolygon(shape.points);
        break;
    case IconShape::Kind::Line:
        p.drawLine(shape.points.at(0), shape.points.at(1));
        break;
    }
}

}  // namespace

QImage drawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / kAppIconGrid, size / kAppIconGrid);
    for (const IconShape& shape : appIconShapes())
        paintShape(p, shape);
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(drawAppIcon(size)));
    return icon;
}

}  // namespace pellax
