#include "componentpack/colorutils.h"
#include "controls/textanimator.h"
#include "controls/titler.h"
#include "framework/paint/bitmap.h"
#include "framework/windows/timer.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace pellax {
namespace {

using TextAnimator = test::AppTest;

int exactPixels(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}

bool limeish(QRgb c) { return qGreen(c) > 160 && qRed(c) < 80 && qBlue(c) < 80; }

TEST_F(TextAnimator, SizesFollowTheTextAtTheMeasuringSize) {
    QWidget parent;
    TTextAnimator heading(nullptr, &parent);
    EXPECT_EQ(heading.Font().Height, -13);  // 10 points at 96 pixels per inch, whatever the screen says
    EXPECT_FALSE(heading.FontEdited());
    EXPECT_EQ(heading.Width(), 0);  // no letters: no width, the cell height
    EXPECT_EQ(heading.Height(), heading.CellHeight());

    heading.SetBounds(30, 40, 1, 1);
    heading.SetCaption(QStringLiteral("About Pellax"));
    EXPECT_EQ(heading.accessibleName(), QStringLiteral("About Pellax"));
    EXPECT_EQ(heading.CharSteps(), (std::vector<int>{0, 1, 3, 5, 6, 8, 10, 11, 13, 15, 16, 18}));
    int sum = 0;
    for (const int w : heading.CharWidths())
        sum += w;
    EXPECT_EQ(heading.BoundsRect(), Bounds(30, 40, sum, heading.CellHeight()));  // sized, not moved

    heading.SetStep(50);
    EXPECT_EQ(heading.Step(), 20);
    heading.SetMaxStep(5);
    EXPECT_EQ(heading.Step(), 5);
    EXPECT_EQ(heading.CharSteps()[11], 4);  // restarted
    EXPECT_LT(heading.Width(), sum);        // measured at 10 + 5 - 1 points now
    heading.SetMaxStep(0);
    EXPECT_EQ(heading.Step(), 0);
    TFont font = heading.Font();
    font.SetSize(14);
    heading.SetFont(font);
    EXPECT_TRUE(heading.FontEdited());
}

TEST_F(TextAnimator, AutoSizeWaitsUntilLoadingEnds) {
    QWidget parent;
    TComponent form;
    auto* heading = new TTextAnimator(&form, &parent);
    form.BeginLoading();
    heading->SetBounds(5, 6, 10, 10);
    heading->SetCaption(QStringLiteral("Pellax"));
    EXPECT_EQ(heading->Width(), 10);
    form.EndLoading();
    EXPECT_EQ(heading->BoundsRect(), Bounds(5, 6, heading->TotalWidth(), heading->CellHeight()));
    delete heading;
}

TEST_F(TextAnimator, TicksStepTheLettersAndPaintsWalkTheColours) {
    QWidget parent;
    auto* heading = new TTextAnimator(nullptr, &parent);
    heading->SetCaption(QStringLiteral("About Pellax"));
    heading->SetColorStart(clRed);
    heading->SetColorStop(clLime);
    test::clock().advance(70);
    EXPECT_EQ(heading->CharSteps()[0], 2);
    EXPECT_EQ(heading->CharSteps()[11], 20);
    EXPECT_EQ(heading->colorWalk().ColorPos(), 0);  // nothing painted: the walk waits

    TBitmap frame(heading->Width(), heading->Height());
    heading->DrawFrame(frame.Canvas());
    EXPECT_EQ(heading->colorWalk().ColorPos(), 12);
    // The first letter, at position 0, is pure red.
    EXPECT_GT(exactPixels(frame.image().copy(0, 0, heading->CharWidths()[0], heading->Height()), qRgb(255, 0, 0)), 0);
    heading->SetColorStart(clRed);  // unchanged: the walk goes on
    EXPECT_EQ(heading->colorWalk().ColorPos(), 12);

    heading->SetColorAnimation(false);
    TFont font = heading->Font();
    font.Color = clYellow;
    heading->SetFont(font);
    TBitmap plain(heading->Width(), heading->Height());
    heading->DrawFrame(plain.Canvas());
    EXPECT_GT(exactPixels(plain.image(), qRgb(255, 255, 0)), 0);
    EXPECT_EQ(heading->colorWalk().ColorPos(), 12);

    // An opaque heading sits on its colour, every cell filled with it.
    heading->SetTransparent(false);
    heading->SetColor(clNavy);
    TBitmap solid(heading->Width(), heading->Height());
    solid.Canvas().SetBrushColor(clRed);
    solid.Canvas().FillRect({0, 0, solid.Width(), solid.Height()});
    heading->DrawFrame(solid.Canvas());
    EXPECT_EQ(exactPixels(solid.image(), qRgb(255, 0, 0)), 0);
    EXPECT_GT(exactPixels(solid.image(), qRgb(0, 0, 0x80)), solid.Width() * solid.Height() / 2);
}

// A lightweight control that fills itself with one colour.
class Patch : public TGraphicControl {
public:
    Patch(QWidget* parent, TColor color) : TGraphicControl(nullptr, parent), color_(color) {}

protected:
    void Paint() override {
        Canvas().SetBrushColor(color_);
        Canvas().FillRect(ClientRect());
    }

private:
    TColor color_;
};

// The heading of the About window on a credits panel, the panel's text running
// right through the heading's row.
class TransparentHeading : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        window.resize(300, 200);
        titler = new TTitler(nullptr, &window);
        titler->SetBorderStyle(TBorderStyle::bsNone);
        titler->SetBounds(0, 0, 300, 200);
        titler->SetFont(TFont{QStringLiteral("MS Sans Serif"), -13, 0, clLime});
        titler->SetTitles({QStringLiteral("IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII")});
        titler->SetStep(190);  // the credit line sits at y = 10 .. 25
        test::clock().advance(titler->Interval());
        titler->SetInterval(0);  // and stays there
        below = new Patch(titler, clBlue);
        below->SetBounds(60, 30, 200, 4);
        heading = new TTextAnimator(nullptr, titler);
        heading->SetBounds(20, 0, 0, 0);
        heading->SetCaption(QStringLiteral("W  W  W"));
        heading->SetColorStart(clWhite);
        heading->SetColorStop(clWhite);
        above = new Patch(titler, clRed);
        above->SetBounds(0, 36, 300, 3);
    }

    // The heading's part of a picture of the window.
    QImage headingPart(const QImage& picture) const { return picture.copy(heading->geometry()); }
    static int limePixels(const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += limeish(image.pixel(x, y));
        return n;
    }

    QWidget window;
    TTitler* titler = nullptr;
    Patch* below = nullptr;
    TTextAnimator* heading = nullptr;
    Patch* above = nullptr;
};

TEST_F(TransparentHeading, CreditsShowBetweenTheLetters) {
    ASSERT_GT(heading->Height(), 40);
    TBitmap frame(heading->Width(), heading->Height());
    heading->DrawFrame(frame.Canvas());
    const QImage captured = frame.image();
    EXPECT_GT(limePixels(captured), 20);
    // A lightweight sibling below the heading shows too; one above it does not.
    EXPECT_GT(exactPixels(captured, qRgb(0, 0, 255)), 0);
    EXPECT_EQ(exactPixels(captured, qRgb(255, 0, 0)), 0);
    EXPECT_FALSE(titler->PaintingCopy());

    heading->SetTransparent(false);
    TBitmap solid(heading->Width(), heading->Height());
    heading->DrawFrame(solid.Canvas());
    EXPECT_EQ(limePixels(solid.image()), 0);
}

TEST_F(TransparentHeading, CaptureWorksFromInsideTheScreenPaint) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    // What the screen shows, painted by the widgets' own paint events.
    const QImage screen = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), window.size());
    EXPECT_GT(limePixels(headingPart(screen)), 20);
    EXPECT_GT(exactPixels(headingPart(screen), qRgb(255, 255, 255)), 0);
    // And a tick of the heading alone repaints it the same way.
    test::clock().advance(heading->Delay());
    QApplication::processEvents();
    const QImage again = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(limePixels(headingPart(again)), 20);
}

}  // namespace
}  // namespace pellax
