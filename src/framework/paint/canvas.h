#pragma once

#include "framework/paint/color.h"
#include "framework/paint/desktop.h"
#include "framework/paint/font.h"
#include "framework/paint/geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QPainter;
class QPaintDevice;

namespace pellax {

// Text layout bits of DrawText, with the desktop's values.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_RTLREADING = 0x20000;

enum class TPenStyle { psSolid, psDash, psDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };
// Whether text cells are first filled with the background colour.
enum class TBkMode { Transparent = 1, Opaque = 2 };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// One row of pixels, `left` to `right` inclusive.
struct PixelSpan {
    int y = 0;
    int left = 0;
    int right = 0;
    friend bool operator==(const PixelSpan&, const PixelSpan&) = default;
};

// The pixels a polygon with the pen off fills: those whose centre lies inside
// it (odd-even rule), or exactly on a slanted edge. Straight edges through whole
// coordinates never pass through a centre, so a rectangle fills without its
// right column and bottom row, as on the desktop; and neighbouring polygons that
// meet along a slant leave no unpainted pixel between them.
std::vector<PixelSpan> polygonSpans(std::span<const TPoint> points);

// The drawing surface the controls are written against: pen, brush and font
// state and the desktop's drawing operations, over a QPainter with antialiasing
// off so that every fill and line lands on exact pixels.
//
// A canvas is bound to a device for a while (a widget during its paint, an
// image, a painter someone else opened); its state outlives the binding. Text
// can be measured while unbound. Colours resolve through the SystemColors it
// was given.
class TCanvas {
public:
    explicit TCanvas(const SystemColors& colors = Desktop::instance());
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Opens a painter of its own on `device` until unbind().
    void bind(QPaintDevice& device);
    // Draws through a painter that the caller keeps open for the binding.
    void bind(QPainter& painter);
    void unbind();
    bool isBound() const noexcept { return painter_ != nullptr; }
    // Called to bind on demand when a drawing operation finds the canvas unbound.
    void setDeviceProvider(std::function<QPaintDevice*()> provider) { provider_ = std::move(provider); }

    const SystemColors& colors() const noexcept { return *colors_; }
    QColor qcolor(TColor color) const { return rgbToQColor(colors_->resolve(color)); }

    const TPen& Pen() const noexcept { return state_.pen; }
    void SetPen(const TPen& pen) noexcept { state_.pen = pen; }
    void SetPenColor(TColor color) noexcept { state_.pen.Color = color; }
    void SetPenWidth(int width) noexcept { state_.pen.Width = width < 1 ? 1 : width; }
    void SetPenStyle(TPenStyle style) noexcept { state_.pen.Style = style; }

    // Choosing a brush also sets the background mode and colour of text cells:
    // opaque in the brush colour for a solid brush, transparent for a clear one.
    const TBrush& Brush() const noexcept { return state_.brush; }
    void SetBrush(const TBrush& brush) noexcept;
    // A colour turns a clear brush solid again.
    void SetBrushColor(TColor color) noexcept;
    void SetBrushStyle(TBrushStyle style) noexcept;

    TBkMode BkMode() const noexcept { return state_.bkMode; }
    void SetBkMode(TBkMode mode) noexcept { state_.bkMode = mode; }
    TColor BkColor() const noexcept { return state_.bkColor; }

    const TFont& Font() const noexcept { return state_.font; }
    void SetFont(const TFont& font);
    void SetFontColor(TColor color) noexcept { state_.font.Color = color; }
    void SetFontSize(int points);
    // Extra pixels after every character; 0 leaves the font's spacing.
    int TextCharacterExtra() const noexcept { return state_.charExtra; }
    void SetTextCharacterExtra(int extra);
    // The Qt font the current font and spacing are drawn with.
    const QFont& qfont() const;
    const QFontMetrics& metrics() const;
    // The text cell of the current font as the design font has it: its height
    // and where the baseline lies in it.
    int cellHeight() const;
    int cellAscent() const;

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    // Joins the points with one-pixel lines; the last point itself is not painted.
    // A dashed or dotted pen keeps its pattern round the corners; a wide pen draws solid.
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    // Outline with the pen centred on the edges, inside filled with the brush.
    void Rectangle(const TRect& r);

    // Text with the top-left corner of its cell at (x, y), rotated by the font's orientation.
    void TextOut(int x, int y, const QString& text, bool rightToLeft = false);
    // Text laid out in `r` by the DT_* bits; returns the height of the text.
    // With DT_CALCRECT nothing is drawn and `r` is set to the text's extent.
    int DrawText(const QString& text, TRect& r, unsigned format);
    TPoint TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).X; }
    int TextHeight(const QString& text) const { return TextExtent(text).Y; }

    // Clipping, in the coordinates of the current origin.
    void SetClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    void RemoveClip();
    // The smallest rectangle holding what can be drawn: the clip's bounds, or
    // the whole surface without a clip.
    TRect ClipBox();
    // Saves everything: pen, brush, font, background, spacing, origin and clip.
    void Save();
    void Restore();
    void MoveOrigin(int dx, int dy);
    TPoint Origin() const noexcept { return state_.origin; }

    // Copies `src` (of `image`) onto `dest`, stretched when the sizes differ.
    void CopyRect(const TRect& dest, const QImage& image, const TRect& src);
    void Draw(int x, int y, const QImage& image);
    // Like Draw, but pixels of the colour `transparent` (0x00BBGGRR) leave the
    // canvas as it is.
    void DrawTransparent(int x, int y, const QImage& image, TColor transparent);
    // The pixels under `r` when the canvas is bound to an image; empty otherwise.
    QImage copyImage(const TRect& r) const;

    // The painter of the current binding, for the rare caller that must hand it to Qt.
    QPainter* painter();

private:
    struct State {
        TPen pen;
        TBrush brush;
        TFont font;
        TBkMode bkMode = TBkMode::Opaque;
        TColor bkColor = clWhite;
        int charExtra = 0;
        TPoint origin;
    };

    QPainter& paint();
    void fillQRect(const QRect& r, const QColor& color);
    void drawLineExcludingEnd(TPoint a, TPoint b, int& step);
    void fontChanged() noexcept;
    const FontFace& face() const;
    bool copyByExposedRects(QPainter& p, const QRect& target, const QImage& image, const QRect& source);

    const SystemColors* colors_;
    State state_;
    std::vector<State> saved_;
    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    QImage* image_ = nullptr;
    std::function<QPaintDevice*()> provider_;
    // The current font and spacing, made ready to draw with on first use.
    mutable std::shared_ptr<const FontFace> face_;
};

}  // namespace pellax
