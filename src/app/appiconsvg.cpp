#include "app/appicon.h"

#include "app/appiconshape.h"

#include <QString>
#include <QStringList>

namespace pellax {

namespace {

QString num(double v) {
    return QString::number(v, 'g', 8);
}

// Fill and stroke as the painter sets them: no brush or pen where the shape has none.
QString paint(const IconShape& shape) {
    QString out = QStringLiteral(" fill=\"%1\"").arg(shape.fill ? shape.fill->name() : QStringLiteral("none"));
    if (shape.stroke)
        out += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"square\" stroke-linejoin=\"bevel\"")
                   .arg(shape.stroke->name(), num(shape.strokeWidth));
    return out;
}

QString element(const IconShape& shape) {
    switch (shape.kind) {
    case IconShape::Kind::RoundedRect: {
        const QRectF& r = shape.rect;
        return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" ry=\"%5\"%6/>")
            .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()), num(shape.radius), paint(shape));
    }
    case IconShape::Kind::Polygon: {
        QStringList corners;
        for (const QPointF& pt : shape.points)
            corners << num(pt.x()) + QLatin1Char(',') + num(pt.y());
        return QStringLiteral("<polygon points=\"%1\"%2/>").arg(corners.join(QLatin1Char(' ')), paint(shape));
    }
    case IconShape::Kind::Line: {
        const QPointF a = shape.points.at(0);
        const QPointF b = shape.points.at(1);
        return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>")
            .arg(num(a.x()), num(a.y()), num(b.x()), num(b.y()), paint(shape));
    }
    }
    return {};
}

}  // namespace

QByteArray appIconSvg() {
    const QString side = num(kAppIconGrid);
    QString svg = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(side);
    for (const IconShape& shape : appIconShapes())
        svg += QStringLiteral("  ") + element(shape) + QLatin1Char('\n');
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace pellax
