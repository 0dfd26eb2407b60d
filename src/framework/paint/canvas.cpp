// TCanvas: its binding to a device, pen and brush, fills, lines, polygons and
// rectangles, clipping, saved states and origin. Its text is in canvastext.cpp,
// its image copies in canvascopy.cpp.

#include "framework/paint/canvas.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace pellax {

TCanvas::TCanvas(const SystemColors& colors) : colors_(&colors) {}

TCanvas::~TCanvas() { unbind(); }

void TCanvas::bind(QPaintDevice& device) {
    unbind();
    ownPainter_ = std::make_unique<QPainter>(&device);
    painter_ = ownPainter_.get();
    image_ = device.devType() == QInternal::Image ? static_cast<QImage*>(&device) : nullptr;
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
}

void TCanvas::bind(QPainter& painter) {
    unbind();
    painter_ = &painter;
    QPaintDevice* device = painter.device();
    image_ = device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    painter_->setRenderHint(QPainter::Antialiasing, false);
}

void TCanvas::unbind() {
    // Origin and clip belong to a binding, as they belong to a device context.
    saved_.clear();
    state_.origin = {};
    if (ownPainter_) {
        ownPainter_->end();
        ownPainter_.reset();
    }
    painter_ = nullptr;
    image_ = nullptr;
}

QPainter& TCanvas::paint() {
    if (!painter_ && provider_) {
        if (QPaintDevice* device = provider_())
            bind(*device);
    }
    Q_ASSERT(painter_);
    return *painter_;
}

QPainter* TCanvas::painter() {
    if (!painter_ && provider_)
        paint();
    return painter_;
}

void TCanvas::SetBrush(const TBrush& brush) noexcept {
    state_.brush = brush;
    state_.bkColor = brush.Color;
    state_.bkMode = brush.Style == TBrushStyle::bsSolid ? TBkMode::Opaque : TBkMode::Transparent;
}

void TCanvas::SetBrushColor(TColor color) noexcept { SetBrush({color, TBrushStyle::bsSolid}); }

void TCanvas::SetBrushStyle(TBrushStyle style) noexcept { SetBrush({state_.brush.Color, style}); }

void TCanvas::fillQRect(const QRect& r, const QColor& color) {
    if (!r.isEmpty())
        paint().fillRect(r, color);
}

void TCanvas::FillRect(const TRect& r) {
    if (state_.brush.Style == TBrushStyle::bsClear)
        return;
    fillQRect(toQRect(r), qcolor(state_.brush.Color));
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.IsEmpty() || state_.brush.Style == TBrushStyle::bsClear)
        return;
    const QColor c = qcolor(state_.brush.Color);
    fillQRect(toQRect({r.Left, r.Top, r.Right, r.Top + 1}), c);
    fillQRect(toQRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}), c);
    fillQRect(toQRect({r.Left, r.Top, r.Left + 1, r.Bottom}), c);
    fillQRect(toQRect({r.Right - 1, r.Top, r.Right, r.Bottom}), c);
}

std::vector<PixelSpan> polygonSpans(std::span<const TPoint> points) {
    std::vector<PixelSpan> spans;
    if (points.size() < 3)
        return spans;
    int top = points[0].Y, bottom = points[0].Y;
    for (const TPoint& p : points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    // Where an edge crosses the centre line of a row: x = num / den, exactly.
    struct Crossing {
        long long num, den;
        double at() const { return static_cast<double>(num) / static_cast<double>(den); }
    };
    const auto floorDiv = [](long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); };
    const auto ceilDiv = [&](long long a, long long b) { return -floorDiv(-a, b); };
    std::vector<Crossing> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        const long long centre2 = 2LL * y + 1;  // twice the centre line's y
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPoint a = points[i];
            const TPoint b = points[(i + 1) % points.size()];
            // Vertices lie on whole numbers and centre lines between them, so no
            // crossing is ever counted twice.
            if ((2LL * a.Y < centre2) == (2LL * b.Y < centre2))
                continue;
            long long num = 2LL * a.X * (b.Y - a.Y) + (centre2 - 2LL * a.Y) * (b.X - a.X);
            long long den = 2LL * (b.Y - a.Y);
            if (den < 0) {
                num = -num;
                den = -den;
            }
            crossings.push_back({num, den});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) {
            return l.num * r.den < r.num * l.den;
        });
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [from, to], both ends included.
            const Crossing& from = crossings[i];
            const Crossing& to = crossings[i + 1];
            const int left = static_cast<int>(ceilDiv(2 * from.num - from.den, 2 * from.den));
            const int right = static_cast<int>(floorDiv(2 * to.num - to.den, 2 * to.den));
            if (left <= right)
                spans.push_back({y, left, right});
        }
    }
    return spans;
}

namespace {

// Whether the pixel at `step` along a one-pixel line is painted: dashes of 18
// pixels with gaps of 6, dots of 3 with gaps of 3, carried on from one segment
// to the next as on the desktop.
bool patternOn(TPenStyle style, int step) {
    switch (style) {
    case TPenStyle::psDash: return step % 24 < 18;
    case TPenStyle::psDot: return step % 6 < 3;
    default: return true;
    }
}

}  // namespace

// Bresenham from a towards b; b itself is left for the next segment to paint.
void TCanvas::drawLineExcludingEnd(TPoint a, TPoint b, int& step) {
    if (a == b)
        return;
    const QColor c = qcolor(state_.pen.Color);
    const TPenStyle style = state_.pen.Style;
    if (style == TPenStyle::psSolid && (a.Y == b.Y || a.X == b.X)) {
        // Straight solid lines in one fill.
        const int dx = (b.X > a.X) - (b.X < a.X), dy = (b.Y > a.Y) - (b.Y < a.Y);
        const int length = std::abs(b.X - a.X) + std::abs(b.Y - a.Y);
        const TPoint last{b.X - dx, b.Y - dy};
        fillQRect(QRect(QPoint(std::min(a.X, last.X), std::min(a.Y, last.Y)),
                        QPoint(std::max(a.X, last.X), std::max(a.Y, last.Y))),
                  c);
        step += length;
        return;
    }
    const int dx = std::abs(b.X - a.X), sx = a.X < b.X ? 1 : -1;
    const int dy = -std::abs(b.Y - a.Y), sy = a.Y < b.Y ? 1 : -1;
    int err = dx + dy;
    int x = a.X, y = a.Y;
    while (x != b.X || y != b.Y) {
        if (patternOn(style, step++))
            fillQRect(QRect(x, y, 1, 1), c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    if (state_.pen.Style == TPenStyle::psClear || points.size() < 2)
        return;
    if (state_.pen.Width <= 1) {
        int step = 0;
        for (std::size_t i = 1; i < points.size(); ++i)
            drawLineExcludingEnd(points[i - 1], points[i], step);
        return;
    }
    // A wide pen draws solid whatever its style, as on the desktop.
    QPainter& p = paint();
    p.setPen(QPen(qcolor(state_.pen.Color), state_.pen.Width, Qt::SolidLine));
    QPolygon poly;
    for (const TPoint& pt : points)
        poly << QPoint(pt.X, pt.Y);
    p.drawPolyline(poly);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (points.size() < 3)
        return;
    if (state_.brush.Style == TBrushStyle::bsSolid) {
        const QColor c = qcolor(state_.brush.Color);
        for (const PixelSpan& span : polygonSpans(points))
            fillQRect(QRect(span.left, span.y, span.right - span.left + 1, 1), c);
    }
    if (state_.pen.Style != TPenStyle::psClear) {
        std::vector<TPoint> closed(points.begin(), points.end());
        closed.push_back(points.front());
        Polyline(closed);
    }
}

void TCanvas::Rectangle(const TRect& r) {
    const bool pen = state_.pen.Style != TPenStyle::psClear;
    if (state_.brush.Style == TBrushStyle::bsSolid) {
        // Without a pen the desktop fills one pixel less to the right and bottom.
        const TRect inside = pen ? r : TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
        fillQRect(toQRect(inside), qcolor(state_.brush.Color));
    }
    if (!pen || r.IsEmpty())
        return;
    if (state_.pen.Style != TPenStyle::psSolid && state_.pen.Width <= 1) {
        // Round the inside of the bounds from the top-left corner, clockwise.
        const std::array<TPoint, 5> outline{
            {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}, {r.Left, r.Top}}};
        Polyline(outline);
        return;
    }
    // A pen of width w is centred on the outline through the outer pixels.
    const int w = state_.pen.Width;
    const int lo = w / 2;
    const QColor c = qcolor(state_.pen.Color);
    const int l = r.Left - lo, t = r.Top - lo, rr = r.Right - 1 - lo, b = r.Bottom - 1 - lo;
    fillQRect(QRect(l, t, rr + w - l, w), c);
    fillQRect(QRect(l, b, rr + w - l, w), c);
    fillQRect(QRect(l, t, w, b + w - t), c);
    fillQRect(QRect(rr, t, w, b + w - t), c);
}

void TCanvas::SetClipRect(const TRect& r) { paint().setClipRect(toQRect(r), Qt::ReplaceClip); }

void TCanvas::IntersectClipRect(const TRect& r) {
    QPainter& p = paint();
    p.setClipRect(toQRect(r), p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::RemoveClip() { paint().setClipping(false); }

TRect TCanvas::ClipBox() {
    QPainter& p = paint();
    if (p.hasClipping())
        return fromQRect(p.clipBoundingRect().toAlignedRect());
    const QPaintDevice* device = p.device();
    const QRect surface = device ? QRect(0, 0, device->width(), device->height()) : QRect();
    return fromQRect(p.transform().inverted().mapRect(surface));
}

void TCanvas::Save() {
    paint().save();
    saved_.push_back(state_);
}

void TCanvas::Restore() {
    if (saved_.empty())
        return;
    const State previous = saved_.back();
    saved_.pop_back();
    const bool fontDiffers = !(previous.font == state_.font) || previous.charExtra != state_.charExtra;
    state_ = previous;
    if (fontDiffers)
        fontChanged();
    paint().restore();
}

void TCanvas::MoveOrigin(int dx, int dy) {
    paint().translate(dx, dy);
    state_.origin.X += dx;
    state_.origin.Y += dy;
}

}  // namespace pellax
