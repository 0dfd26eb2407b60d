#include "app/appiconshape.h"

#include <array>

namespace pellax {

namespace {

// One crystal: a pointed column, lit from the left.
struct Shard {
    double left, right, top, shoulder, bottom;  // column edges, tip, where the tip meets the sides, foot
};

void addShard(std::vector<IconShape>& shapes, const Shard& s) {
    const double mid = (s.left + s.right) / 2;
    IconShape lit;
    lit.points = {{QPointF(s.left, s.shoulder), QPointF(mid, s.top), QPointF(mid, s.bottom),
                   QPointF(s.left, s.bottom)}};
    lit.fill = QColor(0x8F, 0xDD, 0xFF);
    shapes.push_back(lit);
    IconShape shade;
    shade.points = {{QPointF(mid, s.top), QPointF(s.right, s.shoulder), QPointF(s.right, s.bottom),
                     QPointF(mid, s.bottom)}};
    shade.fill = QColor(0x2A, 0x86, 0xD6);
    shapes.push_back(shade);
    // A thin bright edge down the middle keeps the facets apart at small sizes.
    IconShape edge;
    edge.kind = IconShape::Kind::Line;
    edge.points = {{QPointF(mid, s.top + 1), QPointF(mid, s.bottom - 1)}};
    edge.stroke = QColor(0xE8, 0xF8, 0xFF);
    edge.strokeWidth = 1.2;
    shapes.push_back(edge);
}

}  // namespace

// A cluster of blue mineral crystals on a dark tile.
std::vector<IconShape> appIconShapes() {
    std::vector<IconShape> shapes;
    IconShape tile;
    tile.kind = IconShape::Kind::RoundedRect;
    tile.rect = QRectF(1.5, 1.5, 45, 45);
    tile.radius = 7;
    tile.fill = QColor(0x0E, 0x18, 0x38);
    tile.stroke = QColor(0x4C, 0x78, 0xC8);
    tile.strokeWidth = 2;
    shapes.push_back(tile);

    constexpr std::array<Shard, 3> shards{{
        {8, 18, 17, 22, 40},   // left, short
        {30, 40, 15, 20, 40},  // right, short
        {17, 31, 5, 12, 42},   // middle, tall, drawn last so it stands in front
    }};
    for (const Shard& s : shards)
        addShard(shapes, s);

    // The ground the crystals grow from.
    IconShape ground;
    ground.kind = IconShape::Kind::RoundedRect;
    ground.rect = QRectF(6, 39, 36, 4);
    ground.radius = 2;
    ground.fill = QColor(0x3A, 0x2E, 0x22);
    shapes.push_back(ground);
    return shapes;
}

}  // namespace pellax
