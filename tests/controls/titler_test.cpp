#include "controls/titler.h"
#include "framework/files/exception.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <climits>

namespace pellax {
namespace {

TEST(TitlerMotion, StepWrapAndSaturation) {
    TitlerMotion motion;
    EXPECT_FALSE(motion.SetStep(0));
    EXPECT_FALSE(motion.SetStep(-5));
    EXPECT_FALSE(motion.SetStep(1));  // unchanged: nothing to repaint
    EXPECT_TRUE(motion.SetStep(3));
    motion.Tick(2);
    EXPECT_EQ(motion.ScrollOffset(), 6);

    // 18 lines of 15 pixels on a panel 257 high: the block is gone past 527.
    TitlerMotion at(527), past(528), empty(51);
    at.Wrap(15, 18, 257);
    past.Wrap(15, 18, 257);
    empty.Wrap(15, 0, 50);
    EXPECT_EQ(at.ScrollOffset(), 527);
    EXPECT_EQ(past.ScrollOffset(), 0);
    EXPECT_EQ(empty.ScrollOffset(), 0);

    // Hidden for days: the offset stops at the top instead of overflowing, and
    // the next paint starts the text again from the bottom edge.
    TitlerMotion days(INT_MAX - 4);
    days.SetStep(3);
    days.Tick();
    EXPECT_EQ(days.ScrollOffset(), INT_MAX - 1);
    days.Tick(4'000'000'000LL);
    EXPECT_EQ(days.ScrollOffset(), INT_MAX);
    days.Wrap(15, 18, 257);
    EXPECT_EQ(days.ScrollOffset(), 0);

    EXPECT_EQ(titlerTextRect(377, 257, 257, 100), (TRect{2, 157, 374, 256}));
    EXPECT_EQ(titlerTextRect(50, 50, 46, 10), (TRect{2, 40, 47, 45}));  // framed: the client is smaller
    EXPECT_TRUE(titlerTextRect(50, 50, 46, 0).IsEmpty());
}

// A titler 120 x 100 on a window of its own.
class Titler : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        window.resize(200, 120);
        titler = new TTitler(nullptr, &window);
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
    // Lets the text rise by `pixels` at the default step.
    void rise(int pixels) { test::clock().advance(titler->Interval() * pixels); }

    static bool isLime(QRgb c) { return qGreen(c) > 160 && qRed(c) < 80 && qBlue(c) < 80; }
    static int limePixels(const QImage& image, const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += isLime(image.pixel(x, y));
        return n;
    }
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

TEST_F(Titler, IntervalZeroStopsAndResumes) {
    titler->SetInterval(20);
    test::clock().advance(100);
    EXPECT_EQ(titler->ScrollOffset(), 5);
    titler->SetInterval(0);
    test::clock().advance(100);
    titler->SetInterval(20);
    titler->SetStep(2);
    test::clock().advance(40);
    EXPECT_EQ(titler->ScrollOffset(), 9);
}

TEST_F(Titler, LinesRiseInsideTheirMarginsAndWrapAtAPaint) {
    titler->SetTitles({QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"), QStringLiteral("MM")});
    EXPECT_EQ(limePixels(frame(), titler->rect()), 0);  // just below the bottom edge
    rise(10);
    QImage image = frame();
    // The last client row stays free; a line wider than the rectangle is cut on both sides.
    EXPECT_GT(limePixels(image, QRect(0, 98, 120, 1)), 0);
    EXPECT_EQ(limePixels(image, QRect(0, 99, 120, 1)), 0);
    EXPECT_EQ(limePixels(image, QRect(0, 0, 2, 100)), 0);
    EXPECT_EQ(limePixels(image, QRect(117, 0, 3, 100)), 0);

    titler->SetStep(200);
    rise(1);
    EXPECT_EQ(titler->ScrollOffset(), 210);  // no bound while nothing paints
    frame();
    EXPECT_EQ(titler->ScrollOffset(), 0);
}

TEST_F(Titler, PaintEventsFrameTheTextAndShowBetweenTheLetters) {
    titler->SetTitles({QStringLiteral("MMMMMMMM")});
    rise(50);
    std::vector<int> limeSeen;
    const auto look = [&](TTitler&, TCanvas& canvas) {
        limeSeen.push_back(limePixels(canvas.copyImage({0, 0, 120, 100}), QRect(0, 0, 120, 100)));
    };
    titler->OnPaintBefore = [&](TTitler& sender, TCanvas& canvas) {
        look(sender, canvas);
        canvas.SetBrushColor(clRed);
        canvas.FillRect({0, 0, 120, 100});
    };
    titler->OnPaintAfter = look;
    const QImage image = frame();
    EXPECT_EQ(limeSeen, (std::vector<int>{0, limeSeen.back()}));
    EXPECT_GT(limeSeen.back(), 0);
    // Transparent text over what the handler painted: red inside the line's cell.
    const int left = firstLimeColumn(image);
    ASSERT_GT(left, 0);
    int red = 0;
    for (int x = left; x < 117 - left; ++x)
        red += image.pixel(x, 52) == qRgb(255, 0, 0);
    EXPECT_GT(red, 0);
}

TEST_F(Titler, KeptPictureOfTheLinesDrawsWhatDrawingThemWould) {
    titler->SetTitles({QStringLiteral("----====----"), QStringLiteral("About\t"), QString(),
                       QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWW")});
    // A paint handler makes the panel draw the lines afresh, transparently over
    // the black it leaves: what the opaque cells of the kept picture give.
    const auto drawnAfresh = [this](TColor background) {
        titler->OnPaintBefore = [background](TTitler&, TCanvas& canvas) {
            canvas.SetBrushColor(background);
            canvas.FillRect({0, 0, 120, 100});
        };
        const QImage drawn = frame();
        titler->OnPaintBefore = nullptr;
        return drawn;
    };
    for (int step = 0; step < 8; ++step) {
        rise(13);
        ASSERT_EQ(frame(), drawnAfresh(clBlack)) << titler->ScrollOffset();
    }
    // The picture follows the lines and the colour.
    titler->Titles().Put(3, QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"));
    titler->SetColor(clNavy);
    EXPECT_EQ(frame(), drawnAfresh(clNavy));
}

TEST_F(Titler, ATrailingTabCountsInTheCentring) {
    titler->SetTitles({QStringLiteral("MM")});
    rise(60);
    const int plain = firstLimeColumn(frame());
    titler->SetTitles({QStringLiteral("MM\t")});
    ASSERT_GT(plain, 0);
    EXPECT_LT(firstLimeColumn(frame()), plain - 5);
}

TEST_F(Titler, SingleBorderIsASunkenEdgeOutsideTheClientArea) {
    titler->SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(titler->ClientRect(), (TRect{0, 0, 116, 96}));
    TControl child(nullptr, titler);
    child.SetBounds(10, 20, 5, 5);
    EXPECT_EQ(child.pos(), QPoint(12, 22));
    titler->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(child.pos(), QPoint(10, 20));  // children keep their place in the client area
    titler->SetBorderStyle(TBorderStyle::bsSingle);
    const QImage image = frame();
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(119, 99)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(118, 98)), QColor(0xDF, 0xDF, 0xDF));
}

TEST_F(Titler, HiddenPanelsMoveButComposeNothing) {
    titler->SetTitles({QStringLiteral("one")});
    window.show();
    QApplication::processEvents();
    titler->Titles().Add(QStringLiteral("two"));  // an edit repaints at once
    const int shown = paints;
    QApplication::processEvents();
    EXPECT_GT(paints, shown);

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

// Drawn into another control's picture, as the heading captures the panel: a
// paint handler that throws is reported once, the panel lets go of the painter
// it was lent and leaves it as it found it, and its next paint is whole.
TEST_F(Titler, APaintHandlerThatThrowsLeavesThePainterItWasLentAsItWas) {
    titler->SetTitles({QStringLiteral("MMMMMMMM")});
    rise(50);
    const auto paintInto = [this](QImage& image) {
        QPainter painter(&image);
        TCanvas canvas;
        canvas.bind(painter);
        const QTransform transform = painter.worldTransform();
        titler->PaintInto(canvas);
        EXPECT_FALSE(titler->Canvas().isBound());
        EXPECT_EQ(painter.worldTransform(), transform);
        EXPECT_FALSE(painter.hasClipping());
        // The caller's canvas still draws where it means to.
        canvas.SetBrushColor(clYellow);
        canvas.FillRect({0, 0, 4, 4});
    };
    QImage whole(titler->size(), QImage::Format_RGB32);
    paintInto(whole);
    ASSERT_GT(limePixels(whole, titler->rect()), 0);

    titler->OnPaintBefore = [](TTitler&, TCanvas& canvas) {
        canvas.SetBrushColor(clRed);
        canvas.FillRect({0, 0, 120, 100});
        throw Exception(QStringLiteral("Broken paint"));
    };
    QImage broken(titler->size(), QImage::Format_RGB32);
    broken.fill(Qt::blue);
    paintInto(broken);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Broken paint."));
    EXPECT_EQ(broken.pixel(1, 1), qRgb(255, 255, 0));
    EXPECT_EQ(broken.pixel(60, 50), qRgb(0, 0, 255));  // nothing half composed reached the picture

    titler->OnPaintBefore = nullptr;
    QImage again(titler->size(), QImage::Format_RGB32);
    paintInto(again);
    EXPECT_EQ(again, whole);
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

// A screen reader reads the panel as static text named "Credits" whose text is
// every line, wherever the lines have scrolled to, and follows a change of them.
TEST_F(Titler, ScreenReadersReadEveryLine) {
    titler->SetTitles({QStringLiteral("About Pellax"), QString(), QStringLiteral("Credits:\t")});
    window.show();
    rise(40);
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(titler);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->role(), QAccessible::StaticText);
    EXPECT_EQ(panel->text(QAccessible::Name), QStringLiteral("Credits"));
    EXPECT_TRUE(panel->state().readOnly);
    QAccessibleTextInterface* text = panel->textInterface();
    ASSERT_NE(text, nullptr);
    const QString all = QStringLiteral("About Pellax\n\nCredits:\t");
    EXPECT_EQ(text->characterCount(), all.size());
    EXPECT_EQ(text->text(0, text->characterCount()), all);
    EXPECT_EQ(text->text(6, 12), QStringLiteral("Pellax"));
    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(15, QAccessible::LineBoundary, &start, &end), QStringLiteral("Credits:\t"));
    EXPECT_EQ(start, 14);

    titler->Titles().Add(QStringLiteral("Thanks"));
    EXPECT_EQ(text->text(0, text->characterCount()), all + QStringLiteral("\nThanks"));
}

}  // namespace
}  // namespace pellax
