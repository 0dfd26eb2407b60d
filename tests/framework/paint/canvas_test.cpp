#include "framework/paint/bitmap.h"
#include "framework/paint/canvas.h"

#include <gtest/gtest.h>

#include <QPaintEngine>
#include <QScreen>
#include <QTest>
#include <QPainter>
#include <QWidget>

#include <array>

namespace pellax {
namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

// A scheme of its own, so that the tests do not depend on the desktop's.
class TestColors final : public SystemColors {
public:
    TColor sysColor(int index) const noexcept override { return index == COLOR_BTNFACE ? 0x123456 : clBlack; }
};

TColor at(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return static_cast<TColor>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

// A white picture of the given size with its canvas.
struct Surface {
    explicit Surface(int w = 20, int h = 10) : bitmap(w, h, colors) {
        bitmap.Canvas().SetBrushColor(clWhite);
        bitmap.Canvas().FillRect(Bounds(0, 0, w, h));
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    const QImage& image() { return bitmap.image(); }
    TestColors colors;
    TBitmap bitmap;
};

TEST(Geometry, QtRectanglesKeepTheExclusiveEdge) {
    const TRect r{2, 3, 12, 8};
    const QRect q = toQRect(r);
    EXPECT_EQ(q.left(), 2);
    EXPECT_EQ(q.right(), 11);
    EXPECT_EQ(q.bottom(), 7);
    EXPECT_EQ(fromQRect(q), r);
    EXPECT_TRUE(toQRect({5, 5, 3, 9}).isEmpty());
    EXPECT_EQ(IntersectRect({0, 0, 4, 4}, {6, 6, 9, 9}), TRect{});
}

TEST(Canvas, FillsAndFramesExactPixelsInResolvedColours) {
    Surface s;
    s.canvas().SetBrushColor(clBtnFace);
    s.canvas().FillRect({2, 2, 5, 4});
    s.canvas().SetBrushColor(kRed);
    s.canvas().FrameRect({8, 1, 12, 5});
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 2, 2), 0x123456);
    EXPECT_EQ(at(img, 4, 3), 0x123456);
    EXPECT_EQ(at(img, 5, 3), clWhite);  // Right is exclusive
    EXPECT_EQ(at(img, 4, 4), clWhite);
    EXPECT_EQ(at(img, 8, 1), kRed);
    EXPECT_EQ(at(img, 11, 4), kRed);
    EXPECT_EQ(at(img, 9, 2), clWhite);  // a frame is only its outline
}

TEST(Canvas, PolylineLeavesItsLastPointUnpainted) {
    Surface s;
    s.canvas().SetPenColor(kRed);
    const std::array<TPoint, 3> topLeft{{{0, 9}, {0, 0}, {19, 0}}};
    s.canvas().Polyline(topLeft);
    s.canvas().SetPenColor(kBlue);
    const std::array<TPoint, 3> bottomRight{{{19, 0}, {19, 9}, {0, 9}}};
    s.canvas().Polyline(bottomRight);
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 0, 5), kRed);
    EXPECT_EQ(at(img, 19, 0), kBlue);  // the first line stopped short of it
    EXPECT_EQ(at(img, 0, 9), kRed);    // ... and the second short of this one
    EXPECT_EQ(at(img, 10, 9), kBlue);
}

TEST(Canvas, DashedOutlineStartsInTheCornerAndRunsRound) {
    Surface s(30, 3);
    s.canvas().SetPen({kRed, 1, TPenStyle::psDash});
    s.canvas().SetBrushStyle(TBrushStyle::bsClear);
    s.canvas().Rectangle({0, 0, 30, 3});
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 0, 0), kRed);
    EXPECT_EQ(at(img, 17, 0), kRed);
    EXPECT_EQ(at(img, 18, 0), clWhite);  // 18 on, 6 off
    EXPECT_EQ(at(img, 23, 0), clWhite);
    EXPECT_EQ(at(img, 24, 0), kRed);
    EXPECT_EQ(at(img, 29, 1), kRed);  // the pattern goes on down the right side
    EXPECT_EQ(at(img, 18, 2), clWhite);  // ... and along the bottom: steps 42 to 47 are off
    EXPECT_EQ(at(img, 13, 2), clWhite);
    EXPECT_EQ(at(img, 12, 2), kRed);
    EXPECT_EQ(at(img, 1, 1), clWhite);   // no fill
}

TEST(Canvas, PolygonFillsCentresInsideAndOnSlants) {
    // Straight edges: the right column and the bottom row stay outside.
    const std::array<TPoint, 4> box{{{1, 1}, {4, 1}, {4, 3}, {1, 3}}};
    EXPECT_EQ(polygonSpans(box), (std::vector<PixelSpan>{{1, 1, 3}, {2, 1, 3}}));
    // Two triangles that share a diagonal cover the square between them whole.
    const std::array<TPoint, 3> upper{{{0, 0}, {4, 0}, {0, 4}}};
    const std::array<TPoint, 3> lower{{{4, 0}, {4, 4}, {0, 4}}};
    Surface s(4, 4);
    s.canvas().SetPenStyle(TPenStyle::psClear);
    s.canvas().SetBrushColor(kRed);
    s.canvas().Polygon(upper);
    s.canvas().SetBrushColor(kBlue);
    s.canvas().Polygon(lower);
    const QImage& img = s.image();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(at(img, x, y), x + y >= 3 ? kBlue : kRed) << x << "," << y;
    }
}

TEST(Canvas, WidePenIsCentredOnTheOutline) {
    Surface s(100, 50);
    s.canvas().SetPen({kRed, 3, TPenStyle::psSolid});
    s.canvas().SetBrushColor(kGreen);
    s.canvas().Rectangle({1, 1, 95, 45});
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 0, 20), kRed);
    EXPECT_EQ(at(img, 2, 20), kRed);
    EXPECT_EQ(at(img, 3, 20), kGreen);
    EXPECT_EQ(at(img, 92, 20), kGreen);
    EXPECT_EQ(at(img, 93, 20), kRed);
    EXPECT_EQ(at(img, 95, 20), kRed);
    EXPECT_EQ(at(img, 96, 20), clWhite);
}

TEST(Canvas, BrushDecidesTheBackgroundOfText) {
    Surface s;
    s.canvas().SetBrushStyle(TBrushStyle::bsClear);
    EXPECT_EQ(s.canvas().BkMode(), TBkMode::Transparent);
    s.canvas().SetBrushColor(kBlue);  // a colour makes a clear brush solid again
    EXPECT_EQ(s.canvas().Brush().Style, TBrushStyle::bsSolid);
    EXPECT_EQ(s.canvas().BkMode(), TBkMode::Opaque);
    EXPECT_EQ(s.canvas().BkColor(), kBlue);

    // An opaque text cell is filled with the background colour, a transparent one is not.
    TFont font;
    font.Color = clBlack;
    s.canvas().SetFont(font);
    TRect r{0, 0, 20, 10};
    s.canvas().DrawText(QStringLiteral("."), r, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(at(s.image(), 0, 0), kBlue);
    Surface t;
    t.canvas().SetBrushStyle(TBrushStyle::bsClear);
    t.canvas().SetFont(font);
    t.canvas().DrawText(QStringLiteral("."), r, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(at(t.image(), 0, 0), clWhite);
}

TEST(Canvas, TextCellsAreAsTallAsTheDesignFontsOnes) {
    TCanvas canvas;
    canvas.SetFont(TFont{QStringLiteral("MS Sans Serif"), -11, 0, clBlack});
    EXPECT_EQ(canvas.TextHeight(QStringLiteral("Template")), 13);  // 8 points
    EXPECT_EQ(canvas.cellAscent(), canvas.metrics().ascent() + 1);
    TRect r{0, 0, 100, 100};
    canvas.DrawText(QStringLiteral("one\ntwo"), r, DT_CALCRECT);
    EXPECT_EQ(r.Height(), 26);
    // A metric-compatible stand-in keeps its own cell.
    canvas.SetFont(TFont{QStringLiteral("Times New Roman"), -11, 0, clBlack});
    EXPECT_EQ(canvas.TextHeight(QStringLiteral("Template")), canvas.metrics().height());
}

TEST(Canvas, RestoreBringsBackFontOriginAndClip) {
    Surface s;
    TFont font;
    font.Height = -20;
    s.canvas().SetFont(font);
    const int tall = s.canvas().TextHeight(QStringLiteral("X"));
    s.canvas().Save();
    s.canvas().MoveOrigin(5, 2);
    s.canvas().SetClipRect({0, 0, 2, 2});
    s.canvas().SetFontSize(6);
    EXPECT_LT(s.canvas().TextHeight(QStringLiteral("X")), tall);
    s.canvas().SetBrushColor(kRed);
    s.canvas().FillRect({0, 0, 10, 10});
    s.canvas().Restore();
    EXPECT_EQ(s.canvas().TextHeight(QStringLiteral("X")), tall);
    EXPECT_EQ(s.canvas().Origin(), TPoint{});
    s.canvas().SetBrushColor(kBlue);
    s.canvas().FillRect({0, 0, 1, 1});
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 0, 0), kBlue);
    EXPECT_EQ(at(img, 5, 2), kRed);
    EXPECT_EQ(at(img, 6, 3), kRed);
    EXPECT_EQ(at(img, 7, 2), clWhite);  // outside the clip
}

TEST(Canvas, TransparentDrawLeavesExactlyTheKeyColour) {
    TestColors colors;
    TBitmap icon(3, 1, colors);
    icon.Canvas().SetBrushColor(kGreen);
    icon.Canvas().FillRect({0, 0, 3, 1});
    icon.Canvas().SetBrushColor(0x00FE00);  // one unit off the key: copied
    icon.Canvas().FillRect({1, 0, 2, 1});
    Surface s;
    s.canvas().DrawTransparent(4, 4, icon.image(), kGreen);
    const QImage& img = s.image();
    EXPECT_EQ(at(img, 4, 4), clWhite);
    EXPECT_EQ(at(img, 5, 4), 0x00FE00);
    EXPECT_EQ(at(img, 6, 4), clWhite);
}

// A picture whose every pixel tells where it came from.
QImage coordinatePicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

class BlueBlock final : public QWidget {
public:
    BlueBlock() { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 0, 255)); }
};

// Copies part of a picture over its whole face while an opaque child cuts a
// hole in what it may paint: the copy must still land pixel for pixel around it.
class CopyingWidget final : public QWidget {
public:
    explicit CopyingWidget(const QImage& picture) : picture_(picture) {
        resize(40, 30);
        hole_.setParent(this);
        hole_.setGeometry(12, 8, 10, 6);
    }
    int exposedRects = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        exposedRects = painter.paintEngine()->systemClip().rectCount();
        TestColors colors;
        TCanvas canvas(colors);
        canvas.bind(painter);
        canvas.CopyRect(Bounds(0, 0, 40, 30), picture_, Bounds(5, 3, 40, 30));
        canvas.unbind();
    }

private:
    QImage picture_;
    BlueBlock hole_;
};

TEST(Canvas, CopyAroundAnOpaqueChildLandsPixelForPixel) {
    CopyingWidget widget(coordinatePicture(50, 40));
    widget.setWindowFlag(Qt::FramelessWindowHint);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    const QImage out = widget.screen()->grabWindow(widget.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(out.size(), widget.size());
    EXPECT_GE(widget.exposedRects, 2);  // the hole really split the paint
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inHole = x >= 12 && x < 22 && y >= 8 && y < 14;
            const QRgb expected = inHole ? qRgb(0, 0, 255) : qRgb(x + 5, y + 3, 7);
            ASSERT_EQ(out.pixel(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace pellax

namespace pellax {
namespace {

// Text at a point is drawn from a layout kept per font and text: it must come
// out as Qt's own text drawing at the same baseline, pixel for pixel.
TEST(CanvasText, TextAtAPointIsQtsOwnTextDrawing) {
    const QStringList texts{QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("About Pellax"),
                            QStringLiteral("Zerg rush \u00e9\u00df"), QStringLiteral("W.A.V,fi")};
    for (const char* family : {"Times New Roman", "MS Sans Serif", "Courier New"}) {
        for (int points = 6; points <= 30; points += 3) {
            for (const std::uint8_t style : {std::uint8_t{0}, std::uint8_t{fsBold | fsItalic}}) {
                TFont font{QString::fromLatin1(family), 0, style, clBlack};
                font.SetSize(points);
                for (const QString& text : texts) {
                    Surface drawn(400, 60);
                    drawn.canvas().SetFont(font);
                    drawn.canvas().SetBrushStyle(TBrushStyle::bsClear);
                    drawn.canvas().TextOut(3, 5, text);
                    drawn.canvas().TextOut(3, 5, text);  // the second time from the kept layout
                    Surface reference(400, 60);
                    reference.canvas().SetFont(font);
                    const int baseline = 5 + reference.canvas().cellAscent();
                    QPainter& p = *reference.canvas().painter();
                    p.setFont(toQFont(font));
                    p.setPen(Qt::black);
                    p.drawText(QPoint(3, baseline), text);
                    p.drawText(QPoint(3, baseline), text);
                    ASSERT_EQ(drawn.image(), reference.image()) << family << ' ' << points << ' ' << text.toStdString();
                }
            }
        }
    }
}

}  // namespace
}  // namespace pellax
