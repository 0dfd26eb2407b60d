#pragma once

#include <QColor>
#include <QPolygonF>
#include <QRectF>

#include <optional>
#include <vector>

namespace pellax {

// The icon's drawing as data, on a square of kAppIconGrid units, painted in
// order. The raster icons and the scalable SVG icon are both made from this one
// list, so the two cannot drift apart.
inline constexpr double kAppIconGrid = 48;

struct IconShape {
    enum class Kind { RoundedRect, Polygon, Line };
    Kind kind = Kind::Polygon;
    QRectF rect;        // RoundedRect
    double radius = 0;  // RoundedRect: the corners' radius
    QPolygonF points;   // Polygon: its corners; Line: its two ends
    std::optional<QColor> fill;
    std::optional<QColor> stroke;  // drawn with square caps and bevelled joins
    double strokeWidth = 0;
};

std::vector<IconShape> appIconShapes();

}  // namespace pellax
