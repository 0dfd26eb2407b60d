#include "controls/titler.h"
#include "framework/timer.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <climits>

namespace pellax {
namespace {

TEST(TitlerMotion, StepRuleAndSaturatingTicks) {
    TitlerMotion motion;
    EXPECT_FALSE(motion.SetStep(0));
    EXPECT_FALSE(motion.SetStep(-5));
    EXPECT_FALSE(motion.SetStep(1));  // unchanged: nothing to repaint
    EXPECT_EQ(motion.Step(), 1);
    EXPECT_TRUE(motion.SetStep(3));
    motion.Tick();
    motion.Tick();
    EXPECT_EQ(motion.ScrollOffset(), 6);

    // Hidden for days: the offset stops at the top instead of overflowing...
    TitlerMotion days(INT_MAX - 4);
    days.SetStep(3);
    days.Tick();
    EXPECT_EQ(days.ScrollOffset(), INT_MAX - 1);
    days.Tick();
    days.Tick();
    EXPECT_EQ(days.ScrollOffset(), INT_MAX);
    // ... and the next paint starts the text again from the bottom edge.
    days.Wrap(INT_MAX, 3, 50);  // a block taller than any offset is not passed
    EXPECT_EQ(days.ScrollOffset(), INT_MAX);
    days.Wrap(15, 18, 257);
    EXPECT_EQ(days.ScrollOffset(), 0);
}

TEST(TitlerMotion, WrapsOnlyPastTheWholeBlock) {
    // 18 lines of 15 pixels on a panel 257 high: the block is gone at 527.
    TitlerMotion at(527);
    at.Wrap(15, 18, 257);
    EXPECT_EQ(at.ScrollOffset(), 527);
    TitlerMotion past(528);
    past.Wrap(15, 18, 257);
    EXPECT_EQ(past.ScrollOffset(), 0);
    TitlerMotion empty(51);
    empty.Wrap(15, 0, 50);
    EXPECT_EQ(empty.ScrollOffset(), 0);
}

TEST(TitlerMotion, TextRectangleKeepsItsMargins) {
    EXPECT_EQ(titlerTextRect(377, 257, 257, 0), (TRect{2, 257, 374, 256}));
    EXPECT_EQ(titlerTextRect(377, 257, 257, 100), (TRect{2, 157, 374, 256}));
    // With a frame the client is smaller than the outer height.
    EXPECT_EQ(titlerTextRect(50, 50, 46, 10), (TRect{2, 40, 47, 45}));
    EXPECT_TRUE(titlerTextRect(50, 50, 46, 0).IsEmpty());
}

// A titler on a window of its own, shown on the offscreen screen.
class Titler : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        window.resize(200, 120);
        titler = new TTitler(nullptr, &window, QStringLiteral("Titler1"));
        titler->SetBorderStyle(TBorderStyle::bsNone);
        titler->SetBounds(0, 0, 120, 100);
        titler->SetFont(TFont{QStringLiteral("MS Sans Serif"), -13, 0, clLime});
        titler->OnPaintAfter = [this](TTitler&, TCanvas&) { ++paints; };
    }

    QImage frame() {
        QImage image(titler->size(), QImage::Format_RGB32);
        titler->render(&image);
        return image;
    }

    // Lets the text rise by `pixels` with the default step.
    void rise(int pixels) { test::clock().advance(titler->Interval() * pixels); }

    static bool isLime(QRgb c) { return qGreen(c) > 160 && qRed(c) < 80 && qBlue(c) < 80; }
    static int limePixels(const QImage& image, const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += isLime(image.pixel(x, y));
        return n;
    }
    // The leftmost column with a lime pixel, or -1.
    static int firstLimeColumn(const QImage& image) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (isLime(image.pixel(x, y)))
                    return x;
        return -1;
    }

    QWidget window;
    TTitler* titler = nullptr;
    int paints = 0;
};

TEST_F(Titler, ConstructorValuesAndSteppedMotion) {
    TTitler fresh(nullptr, &window);
    EXPECT_EQ(fresh.Width(), 50);
    EXPECT_EQ(fresh.Height(), 50);
    EXPECT_EQ(fresh.Interval(), 50);
    EXPECT_EQ(fresh.Step(), 1);
    EXPECT_EQ(fresh.Alignment(), taCenter);
    EXPECT_EQ(fresh.BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_EQ(fresh.BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(fresh.Color(), clBlack);
    EXPECT_EQ(fresh.Font().Color, clLime);
    EXPECT_FALSE(fresh.ParentFont());
    EXPECT_EQ(fresh.ClientRect(), (TRect{0, 0, 46, 46}));
    EXPECT_FALSE(fresh.accessibleName().isEmpty());

    titler->SetInterval(20);
    test::clock().advance(100);
    EXPECT_EQ(titler->ScrollOffset(), 5);
    titler->SetInterval(0);
    test::clock().advance(100);
    EXPECT_EQ(titler->ScrollOffset(), 5);
    titler->SetInterval(20);
    titler->SetStep(2);
    test::clock().advance(40);
    EXPECT_EQ(titler->ScrollOffset(), 9);
}

TEST_F(Titler, LinesRiseFromTheBottomInsideTheirMargins) {
    titler->SetTitles({QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"), QStringLiteral("MM")});
    EXPECT_EQ(limePixels(frame(), titler->rect()), 0);  // just below the bottom edge
    // The first line reaches into the last row of the client area, which stays free.
    rise(10);
    QImage image = frame();
    EXPECT_GT(limePixels(image, QRect(0, 98, 120, 1)), 0);
    EXPECT_EQ(limePixels(image, QRect(0, 99, 120, 1)), 0);
    // A line wider than the text rectangle is cut on both sides.
    rise(50);
    image = frame();
    EXPECT_GT(limePixels(image, QRect(2, 40, 115, 59)), 0);
    EXPECT_EQ(limePixels(image, QRect(0, 0, 2, 100)), 0);
    EXPECT_EQ(limePixels(image, QRect(117, 0, 3, 100)), 0);
}

TEST_F(Titler, OffsetPastTheEndStartsAgainAtTheNextPaint) {
    titler->SetTitles({QStringLiteral("one"), QStringLiteral("two")});
    titler->SetStep(200);
    rise(1);
    EXPECT_EQ(titler->ScrollOffset(), 200);  // no bound while nothing paints
    frame();
    EXPECT_EQ(titler->ScrollOffset(), 0);
    titler->SetStep(1);
    rise(50);
    frame();
    EXPECT_EQ(titler->ScrollOffset(), 50);  // inside the block: kept
}

TEST_F(Titler, PaintEventsFrameTheTextAndShowBetweenTheLetters) {
    titler->SetTitles({QStringLiteral("MMMMMMMM")});
    rise(50);
    std::vector<int> limeSeen;
    titler->OnPaintBefore = [&](TTitler& sender, TCanvas& canvas) {
        EXPECT_EQ(&sender, titler);
        limeSeen.push_back(limePixels(canvas.copyImage({0, 0, 120, 100}), QRect(0, 0, 120, 100)));
        canvas.SetBrushColor(clRed);
        canvas.FillRect({0, 0, 120, 100});
    };
    titler->OnPaintAfter = [&](TTitler&, TCanvas& canvas) {
        limeSeen.push_back(limePixels(canvas.copyImage({0, 0, 120, 100}), QRect(0, 0, 120, 100)));
    };
    const QImage image = frame();
    ASSERT_EQ(limeSeen.size(), 2u);
    EXPECT_EQ(limeSeen[0], 0);
    EXPECT_GT(limeSeen[1], 0);
    // The text is drawn transparently over what the handler painted: red
    // shows inside the line's cell, between the letters.
    const int left = firstLimeColumn(image);
    ASSERT_GT(left, 0);
    int redInCell = 0;
    for (int x = left; x < 117 - left; ++x)
        redInCell += image.pixel(x, 52) == qRgb(255, 0, 0);
    EXPECT_GT(redInCell, 0);
}

TEST_F(Titler, KeptPictureOfTheLinesDrawsWhatDrawingThemWould) {
    titler->SetTitles({QStringLiteral("----====----"), QStringLiteral("About\t"), QString(), QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWW")});
    for (int step = 0; step < 8; ++step) {
        rise(13);
        titler->OnPaintBefore = nullptr;
        const QImage kept = frame();
        // A paint handler makes the panel draw the lines afresh (transparent
        // over the black it leaves, which is what the opaque cells give).
        titler->OnPaintBefore = [](TTitler&, TCanvas&) {};
        const QImage drawn = frame();
        ASSERT_EQ(kept, drawn) << titler->ScrollOffset();
    }
    titler->OnPaintBefore = nullptr;
    // The picture follows the lines, the font and the colour.
    titler->Titles().Put(3, QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"));
    titler->SetColor(clNavy);
    const QImage kept = frame();
    titler->OnPaintBefore = [](TTitler&, TCanvas& canvas) {
        canvas.SetBrushColor(clNavy);
        canvas.FillRect({0, 0, 120, 100});
    };
    EXPECT_EQ(kept, frame());
}

TEST_F(Titler, ATrailingTabCountsInTheCentring) {
    titler->SetTitles({QStringLiteral("MM")});
    rise(60);
    const int plain = firstLimeColumn(frame());
    titler->SetTitles({QStringLiteral("MM\t")});
    const int tabbed = firstLimeColumn(frame());
    ASSERT_GT(plain, 0);
    EXPECT_LT(tabbed, plain - 5);
}

TEST_F(Titler, SingleBorderIsASunkenEdgeOutsideTheClientArea) {
    titler->SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(titler->ClientRect(), (TRect{0, 0, 116, 96}));
    TControl child(nullptr, titler);
    child.SetBounds(10, 20, 5, 5);
    EXPECT_EQ(child.pos(), QPoint(12, 22));
    EXPECT_EQ(child.Left(), 10);
    titler->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(child.Left(), 10);  // children keep their place in the client area
    EXPECT_EQ(child.pos(), QPoint(10, 20));
    titler->SetBorderStyle(TBorderStyle::bsSingle);
    const QImage image = frame();
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(119, 99)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(118, 98)), QColor(0xDF, 0xDF, 0xDF));
    EXPECT_EQ(QColor(image.pixel(60, 50)), QColor(Qt::black));
}

TEST_F(Titler, HiddenPanelsMoveButComposeNothing) {
    titler->SetTitles({QStringLiteral("one")});
    window.show();
    QApplication::processEvents();
    const int shown = paints;
    EXPECT_GT(shown, 0);
    rise(3);
    QApplication::processEvents();
    EXPECT_GT(paints, shown);
    titler->Titles().Add(QStringLiteral("two"));  // an edit repaints at once
    const int afterEdit = paints;
    QApplication::processEvents();
    EXPECT_GT(paints, afterEdit);

    window.hide();
    const int hidden = paints;
    const int offset = titler->ScrollOffset();
    rise(500);
    QApplication::processEvents();
    EXPECT_EQ(paints, hidden);
    EXPECT_EQ(titler->ScrollOffset(), offset + 500);
    // Shown again, it goes on from where ticking would have brought it.
    rise(7);
    window.show();
    rise(3);
    EXPECT_EQ(titler->ScrollOffset(), offset + 510);
}

}  // namespace
}  // namespace pellax
