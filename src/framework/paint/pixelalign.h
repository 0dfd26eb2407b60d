#pragma once

#include <QRect>

#include <functional>
#include <vector>

class QPainter;
class QTransform;

namespace pellax {

// Where the edges of logical pixels `first` .. `first + count` land on the
// device: each edge rounded to the nearest device pixel edge, the way Qt rounds
// a widget's area when it paints at a fractional scale. Pixel i owns the device
// pixels from edges[i] up to edges[i + 1]; at a scale of 1 or more that is
// never none, so a one-pixel line can never drop out.
std::vector<int> deviceEdges(double scale, double offset, int first, int count);

// Whether the painter maps logical pixels onto device pixels other than one to
// one and whole: a fractional scale, or a whole one with a fractional offset.
bool needsPixelAlignment(const QPainter& painter);

// Paints what `paint` draws into `logical` as it would be at one device pixel
// per logical pixel, then widens each logical pixel to the device pixels it
// owns. Lines drawn one pixel wide thus stay whole and keep their order at any
// scale, where Qt would draw each to its own rounding and can leave a line
// out or paint two over each other. Only the part the painter's clip and the
// paint under way let through is drawn, into pictures kept between calls. Where
// the painter needs no alignment, `paint` draws straight through it.
void paintPixelAligned(QPainter& painter, const QRect& logical, const std::function<void(QPainter&)>& paint);

}  // namespace pellax
