#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>

namespace pellax {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const noexcept { return Right - Left; }
    int Height() const noexcept { return Bottom - Top; }
    bool IsEmpty() const noexcept { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const noexcept { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Grows the rectangle by dx on the left and right and dy on the top and bottom;
// negative amounts shrink it.
inline TRect InflateRect(TRect r, int dx, int dy) { return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }
inline TRect OffsetRect(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
// The common part; an empty rectangle at (0, 0) when there is none.
inline TRect IntersectRect(TRect a, TRect b) {
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

// QRect's right() and bottom() are inclusive, TRect's are not: these two own that
// off-by-one. An empty or inverted TRect gives an empty QRect.
inline QRect toQRect(TRect r) { return QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())); }
inline TRect fromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
inline QPoint toQPoint(TPoint p) { return QPoint(p.X, p.Y); }

}  // namespace pellax
