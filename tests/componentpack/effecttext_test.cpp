#include "componentpack/effecttext.h"
#include "framework/paint/bitmap.h"

#include <QRawFont>

#include <gtest/gtest.h>

#include <optional>

namespace pellax {
namespace {

using enum TROThreeDStyle;

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// A glyph that is one solid block, so that copies show as exact rectangles.
const QString kBlock = QStringLiteral("\u2588");

TFont blockFont() { return TFont{QStringLiteral("Arial"), -20, 0, kGreen}; }

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

// Where the pixels of exactly `color` lie, right and bottom inclusive.
Box boxOf(const QImage& image, TColor color) {
    Box b;
    const QRgb want = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != (want & 0xFFFFFF))
                continue;
            b.left = std::min(b.left, x);
            b.top = std::min(b.top, y);
            b.right = std::max(b.right, x);
            b.bottom = std::max(b.bottom, y);
        }
    }
    return b;
}

struct Surface {
    Surface() : bitmap(60, 50) {
        bitmap.Canvas().SetBrushColor(clWhite);
        bitmap.Canvas().FillRect(Bounds(0, 0, 60, 50));
        bitmap.Canvas().SetFont(blockFont());
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TBitmap bitmap;
};

TEST(EffectText, RaisedShadowDrawsShadowThenLightThenFace) {
    Surface s;
    TRO3DCaption caption;
    caption.SetStyle(tdRaisedShadow);
    caption.SetLightDepth(1);
    caption.SetShadowDepth(2);
    caption.SetLightColor(kRed);
    caption.SetShadowColor(kBlue);
    DrawEffectText(s.canvas(), kBlock, &caption, Rect(10, 10, 50, 45), DT_LEFT | DT_TOP | DT_SINGLELINE, etEnabled);
    const QImage& image = s.bitmap.image();
    const Box light = boxOf(image, kRed), face = boxOf(image, kGreen), shadow = boxOf(image, kBlue);
    ASSERT_FALSE(light.empty() || face.empty() || shadow.empty());
    // Light at 0 shows at the top left, the face at 1 on top of it, the shadow at 3 at the bottom right.
    EXPECT_EQ(face.left - light.left, 1);
    EXPECT_EQ(face.top - light.top, 1);
    EXPECT_EQ(shadow.right - face.right, 2);
    EXPECT_EQ(shadow.bottom - face.bottom, 2);
    EXPECT_GE(light.left, 10);
    EXPECT_EQ(s.canvas().Brush().Style, TBrushStyle::bsClear);
    EXPECT_EQ(s.canvas().Font(), blockFont());
}

TEST(EffectText, ClippingKeepsEveryCopyInsideTheClipRectangle) {
    Surface s;
    TRO3DCaption caption;
    caption.SetStyle(tdShadow);
    caption.SetShadowDepth(6);
    caption.SetShadowColor(kBlue);
    const TRect clip = Rect(10, 10, 60, 24);
    DrawEffectText(s.canvas(), kBlock, &caption, Rect(10, 10, 50, 45), DT_LEFT | DT_TOP | DT_SINGLELINE,
                   etEnabled | etClip, clip);
    const Box shadow = boxOf(s.bitmap.image(), kBlue), face = boxOf(s.bitmap.image(), kGreen);
    ASSERT_FALSE(shadow.empty() || face.empty());
    EXPECT_EQ(shadow.bottom, 23);
    EXPECT_EQ(face.bottom, 23);
    // The clip is gone afterwards.
    s.canvas().SetBrushColor(kRed);
    s.canvas().FillRect(Rect(40, 40, 41, 41));
    EXPECT_EQ(s.bitmap.pixel(40, 40), kRed);
}

TEST(EffectText, NothingIsDrawnForAnEmptyTextOrRectangle) {
    Surface s;
    TRO3DCaption caption;
    DrawEffectText(s.canvas(), QString(), &caption, Rect(0, 0, 60, 50), DT_LEFT, etEnabled);
    DrawEffectText(s.canvas(), kBlock, &caption, Rect(10, 10, 10, 40), DT_LEFT, etEnabled);
    EXPECT_TRUE(boxOf(s.bitmap.image(), kGreen).empty());
}

TEST(EffectText, TurnedCaptionDrawsAtItsOffsetAndRestoresTheFont) {
    Surface s;
    TROFxCaption fx;
    fx.SetAngle(90);
    fx.SetPos(5, 40);
    DrawEffectText(s.canvas(), kBlock, &fx, Rect(0, 0, 60, 50), DT_LEFT | DT_TOP | DT_SINGLELINE, etEnabled);
    const Box face = boxOf(s.bitmap.image(), kGreen);
    ASSERT_FALSE(face.empty());
    // Turned counter-clockwise about (5, 40): the cell lies to the right of and above that point.
    EXPECT_GE(face.left, 5);
    EXPECT_LE(face.bottom, 40);
    EXPECT_EQ(s.canvas().Font().Orientation, 0);
}

TEST(EffectText, MeasuringAddsDepthAndTwiceTheBorderPlusTwo) {
    TCanvas canvas;
    TCanvas reference;
    reference.SetFont(blockFont());
    TRect plain = Rect(3, 4, 3, 4);
    reference.DrawText(QStringLiteral("Caption"), plain, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);

    TRO3DCaption caption;
    caption.SetStyle(tdRaisedShadow);
    caption.SetLightDepth(1);
    caption.SetShadowDepth(2);
    TRect r = Rect(3, 4, 3, 4);
    MeasureEffectText(canvas, QStringLiteral("Caption"), caption, r, blockFont(), false, false, 0);
    EXPECT_EQ(r, Rect(3, 4, plain.Right + 3 + 2, plain.Bottom + 3 + 2));
    EXPECT_EQ(canvas.Font(), blockFont());

    TRect blank = Rect(0, 0, 0, 0);
    reference.DrawText(QStringLiteral(" "), blank, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    TRect amp = Rect(0, 0, 0, 0);
    MeasureEffectText(canvas, QStringLiteral("&"), caption, amp, blockFont(), false, true, 1);
    EXPECT_EQ(amp, Rect(0, 0, blank.Right + 3 + 4, blank.Bottom + 3 + 4));
    TRect empty = Rect(0, 0, 0, 0);
    MeasureEffectText(canvas, QString(), caption, empty, blockFont(), false, false, 1);
    EXPECT_EQ(empty, amp);
}

TEST(EffectText, MeasuringATurnedCaptionSetsItsStartThroughTheSetters) {
    TCanvas canvas;
    TCanvas reference;
    reference.SetFont(blockFont());
    const TPoint extent = reference.TextExtent(QStringLiteral("Turn"));

    TROFxCaption fx;
    fx.SetAngle(90);
    fx.SetPos(999, 999);
    int notes = 0;
    fx.OnChange = [&notes](TROObject&) { ++notes; };
    TRect r = Rect(50, 50, 60, 60);
    MeasureEffectText(canvas, QStringLiteral("Turn"), fx, r, blockFont(), false, false, 0);
    const TRect turned = rotatedBounds(Rect(0, 0, extent.X, extent.Y), 90);
    EXPECT_EQ(r, Rect(0, 0, turned.Right + 2, turned.Bottom + 2));
    EXPECT_EQ(fx.PosX(), rotatedTextStart(turned, extent.X, extent.Y, 90, 0).X);
    EXPECT_EQ(fx.PosY(), rotatedTextStart(turned, extent.X, extent.Y, 90, 0).Y);
    EXPECT_EQ(notes, 2);

    // Unturned, the offsets go back to 0 without a notification.
    fx.SetAngle(0);
    notes = 0;
    r = Rect(0, 0, 0, 0);
    MeasureEffectText(canvas, QStringLiteral("Turn"), fx, r, blockFont(), false, false, 0);
    EXPECT_EQ(fx.PosX(), 0);
    EXPECT_EQ(fx.PosY(), 0);
    EXPECT_EQ(notes, 0);
}

TEST(EffectText, SubstitutedFontsAreTrueTypeAndAnInvalidFontIsNot) {
    TCanvas canvas;
    canvas.SetFont(TFont{QStringLiteral("MS Sans Serif"), -11});
    EXPECT_TRUE(IsTrueTypeFont(canvas));
    canvas.SetFont(TFont{QStringLiteral("Times New Roman"), -16});
    EXPECT_TRUE(IsTrueTypeFont(canvas));
    EXPECT_FALSE(isTrueTypeOutline(QRawFont()));
}

// A bitmap font in the BDF text format: one 2 x 2 glyph, no outlines at all.
TEST(EffectText, ABitmapFontIsNotTrueType) {
    const QByteArray bdf =
        "STARTFONT 2.1\nFONT -pellax-test-medium-r-normal--2-20-75-75-c-20-iso10646-1\nSIZE 2 75 75\n"
        "FONTBOUNDINGBOX 2 2 0 0\nSTARTPROPERTIES 2\nFONT_ASCENT 2\nFONT_DESCENT 0\nENDPROPERTIES\n"
        "CHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 1000 0\nDWIDTH 2 0\nBBX 2 2 0 0\nBITMAP\nC0\nC0\n"
        "ENDCHAR\nENDFONT\n";
    const QRawFont font(bdf, 2);
    if (!font.isValid())
        GTEST_SKIP() << "this FreeType reads no BDF fonts";
    EXPECT_FALSE(isTrueTypeOutline(font));
}

}  // namespace
}  // namespace pellax
