// The painted frame on a screen scaled by 1.5, as QT_SCALE_FACTOR=1.5 gives it.
// This program sets the factor itself, before Qt starts.

#include "framework/paint/canvas.h"
#include "framework/paint/desktop.h"
#include "framework/paint/pixelalign.h"
#include "framework/windows/form.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace pellax {
namespace {

const bool g_scaled = [] { return qputenv("QT_SCALE_FACTOR", "1.5"); }();

std::unique_ptr<TForm> shownForm(const QString& caption) {
    auto form = std::make_unique<TForm>(QStringLiteral("form"));
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientSize(200, 60);
    form->SetCaption(caption);
    form->show();
    form->Perform(WM_NCACTIVATE, 1);
    return form;
}

bool same(QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

QRgb systemRgb(int index) {
    const TColor c = Desktop::instance().sysColor(index);
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The caption is painted at the screen's resolution: its text has exactly the
// pixels of the same text drawn straight onto a picture at 1.5, not those of a
// picture at 1 made larger.
TEST(ScaledFrame, CaptionTextHasTheScreensResolution) {
    ASSERT_TRUE(g_scaled);
    const QString text = QStringLiteral("Pellax: Wg 1.5");
    const auto form = shownForm(text);
    ASSERT_EQ(form->devicePixelRatio(), 1.5);
    const QImage& frame = form->framePicture();
    ASSERT_EQ(frame.size(), QSize(309, 128));  // 206 x 85 at 1.5, rounded up
    EXPECT_EQ(frame.devicePixelRatio(), 1.5);

    const FrameLayout layout = form->frameLayout();
    QImage direct(frame.size(), QImage::Format_RGB32);
    direct.setDevicePixelRatio(1.5);
    direct.fill(Qt::black);
    {
        TCanvas canvas;
        canvas.bind(direct);
        TFont font = layout.smallCaption ? Desktop::instance().smallCaptionFont() : Desktop::instance().captionFont();
        font.Color = clCaptionText;
        canvas.SetFont(font);
        canvas.SetBrushStyle(TBrushStyle::bsClear);
        TRect r = layout.text;
        canvas.DrawText(text, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    // The text's own colour, where the glyphs cover whole device pixels.
    const QRgb ink = systemRgb(COLOR_CAPTIONTEXT);
    int inked = 0;
    for (int y = qRound(layout.text.Top * 1.5); y < qRound(layout.text.Bottom * 1.5); ++y) {
        for (int x = qRound(layout.text.Left * 1.5); x < qRound(layout.text.Right * 1.5); ++x) {
            ASSERT_EQ(same(frame.pixel(x, y), ink), same(direct.pixel(x, y), ink)) << x << ", " << y;
            inked += same(direct.pixel(x, y), ink);
        }
    }
    EXPECT_GT(inked, 60);
}

// Every line of the border covers the device pixels its logical pixel owns,
// in its own colour: none is smeared into its neighbour or left out.
TEST(ScaledFrame, BorderLinesLieOnWholeDevicePixels) {
    const auto form = shownForm(QStringLiteral("Lines"));
    const QImage& frame = form->framePicture();
    const auto expectAt = [&](int x, int y, int colorIndex) {
        const QRgb expected = systemRgb(colorIndex);
        const std::vector<int> xs = deviceEdges(1.5, 0, x, 1), ys = deviceEdges(1.5, 0, y, 1);
        for (int dx = xs[0]; dx < xs[1]; ++dx)
            for (int dy = ys[0]; dy < ys[1]; ++dy)
                ASSERT_TRUE(same(frame.pixel(dx, dy), expected)) << "logical " << x << ", " << y << " device " << dx
                                                                  << ", " << dy << " colour " << colorIndex;
    };
    const int right = form->width() - 1, bottom = form->height() - 1;
    for (const int middle : {40, 41}) {
        expectAt(0, middle, COLOR_3DLIGHT);
        expectAt(1, middle, COLOR_BTNHIGHLIGHT);
        expectAt(2, middle, COLOR_BTNFACE);
        expectAt(right, middle, COLOR_3DDKSHADOW);
        expectAt(right - 1, middle, COLOR_BTNSHADOW);
        expectAt(right - 2, middle, COLOR_BTNFACE);
        expectAt(middle + 60, 0, COLOR_3DLIGHT);
        expectAt(middle + 60, 1, COLOR_BTNHIGHLIGHT);
        expectAt(middle + 60, bottom, COLOR_3DDKSHADOW);
        expectAt(middle + 60, bottom - 1, COLOR_BTNSHADOW);
        expectAt(middle + 60, bottom - 2, COLOR_BTNFACE);
    }
}

}  // namespace
}  // namespace pellax
