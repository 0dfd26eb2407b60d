#include "framework/paint/canvas.h"

#include "framework/paint/textlayout.h"

#include <QPaintDevice>
#include <QPaintEngine>
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

void TCanvas::SetFont(const TFont& font) {
    if (state_.font == font)
        return;
    state_.font = font;
    fontChanged();
}

void TCanvas::SetFontSize(int points) {
    TFont f = state_.font;
    f.SetSize(points);
    SetFont(f);
}

void TCanvas::SetTextCharacterExtra(int extra) {
    if (state_.charExtra == extra)
        return;
    state_.charExtra = extra;
    fontChanged();
}

void TCanvas::fontChanged() noexcept {
    metrics_.reset();
    qfont_.reset();
}

const QFont& TCanvas::qfont() const {
    if (!qfont_) {
        // The colour is not part of the Qt font; only what changes the glyphs is.
        QFont f = toQFont(state_.font);
        if (state_.charExtra != 0)
            f.setLetterSpacing(QFont::AbsoluteSpacing, state_.charExtra);
        qfont_ = f;
    }
    return *qfont_;
}

int TCanvas::cellAscent() const { return metrics().ascent() + extraCellAscent(state_.font); }

int TCanvas::cellHeight() const { return metrics().height() + extraCellAscent(state_.font); }

const QFontMetrics& TCanvas::metrics() const {
    if (!metrics_)
        metrics_.emplace(qfont());
    return *metrics_;
}

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

void TCanvas::TextOut(int x, int y, const QString& text, bool rightToLeft) {
    if (text.isEmpty())
        return;
    QPainter& p = paint();
    const QFontMetrics& fm = metrics();
    p.save();
    p.translate(x, y);
    if (state_.font.Orientation != 0)
        p.rotate(-state_.font.Orientation / 10.0);
    if (rightToLeft)
        p.setLayoutDirection(Qt::RightToLeft);
    if (state_.bkMode == TBkMode::Opaque)
        p.fillRect(QRect(0, 0, fm.horizontalAdvance(text), cellHeight()), qcolor(state_.bkColor));
    p.setFont(qfont());
    p.setPen(qcolor(state_.font.Color));
    p.drawText(QPoint(0, cellAscent()), text);
    p.restore();
}

int TCanvas::DrawText(const QString& text, TRect& r, unsigned format) {
    const QFontMetrics& fm = metrics();
    const TextMetrics m{[&fm](QStringView s) { return fm.horizontalAdvance(s.toString()); }, cellHeight(),
                        fm.averageCharWidth()};
    const int ascent = cellAscent();
    const TextLayout layout = layoutText(text, r, format, m);
    if (format & DT_CALCRECT) {
        r.Right = r.Left + layout.width;
        r.Bottom = r.Top + layout.height;
        return layout.height;
    }
    if (layout.lines.empty())
        return 0;
    QPainter& p = paint();
    p.save();
    if (!(format & DT_NOCLIP))
        p.setClipRect(toQRect(r), Qt::IntersectClip);
    if (format & DT_RTLREADING)
        p.setLayoutDirection(Qt::RightToLeft);
    p.setFont(qfont());
    const QColor textColor = qcolor(state_.font.Color);
    p.setPen(textColor);
    for (const TextLine& line : layout.lines) {
        if (state_.bkMode == TBkMode::Opaque)
            p.fillRect(QRect(line.x, line.y, line.width, m.lineHeight), qcolor(state_.bkColor));
        for (std::size_t i = 0; i < line.runs.size(); ++i) {
            const TextRun& run = line.runs[i];
            p.drawText(QPoint(line.x + run.x, line.y + ascent), run.text);
            if (static_cast<int>(i) == line.underlineRun) {
                const int ux = line.x + run.x + fm.horizontalAdvance(run.text.left(line.underlineChar));
                const int uw = fm.horizontalAdvance(run.text.mid(line.underlineChar, 1));
                p.fillRect(QRect(ux, line.y + ascent + 1, uw, 1), textColor);
            }
        }
    }
    p.restore();
    return layout.height;
}

TPoint TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics& fm = metrics();
    // One character needs no shaping: its advance comes straight from the font,
    // many times cheaper, and the animated heading measures letter by letter.
    const int width = text.size() == 1 ? fm.horizontalAdvance(text.front()) : fm.horizontalAdvance(text);
    return {width, cellHeight()};
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
    return image_->copy(toQRect(onImage));
}

}  // namespace pellax
