#include "app/aboutform.h"
#include "app/program.h"
#include "controls/textanimation.h"
#include "controls/textanimator.h"
#include "controls/titlebar.h"
#include "controls/titler.h"
#include "framework/widgets/bitbtn.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace pellax {
namespace {

using AboutForm = test::AppTest;

TEST_F(AboutForm, BuiltAsItsDescriptionSays) {
    Taboutform about;
    EXPECT_EQ(about.client()->size(), QSize(383, 291));
    EXPECT_EQ(about.BorderStyle(), TFormBorderStyle::bsToolWindow);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(about.Caption().isEmpty());
    // Qt would title an empty window with the program's name: it gets a blank
    // title instead, and screen readers get a name of its own.
    EXPECT_EQ(about.windowTitle(), QStringLiteral(" "));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Name), QStringLiteral("About Pellax"));

    const TTitler& titler = *about.Titler1;
    EXPECT_EQ(titler.BoundsRect(), Bounds(0, 0, 377, 257));
    EXPECT_EQ(titler.Interval(), 20);
    EXPECT_EQ(titler.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(titler.Font(), (TFont{QStringLiteral("MS Sans Serif"), -13, 0, clLime}));
    const QStringList credits = about.Titler1->Titles().lines();
    ASSERT_EQ(credits.size(), 18);
    EXPECT_EQ(credits[2], QStringLiteral("Starcraft GOT file editor V 0.9\t"));
    EXPECT_EQ(credits[4], kMakerHomePage);
    EXPECT_EQ(credits[9], kMakerHomePage);

    // The heading sits on the panel, takes its black and is sized by its text
    // once the window has loaded.
    TTextAnimator& heading = *about.TextAnimator1;
    EXPECT_EQ(heading.parentWidget(), about.Titler1);
    EXPECT_EQ(heading.BoundsRect(), Bounds(88, 8, heading.TotalWidth(), heading.CellHeight()));
    EXPECT_GT(heading.Width(), 100);
    EXPECT_EQ(heading.Color(), clBlack);
    EXPECT_FALSE(heading.FontEdited());

    EXPECT_EQ(about.BitBtn1->geometry(), QRect(152, 264, 75, 25));
    EXPECT_EQ(about.BitBtn1->ModalResult(), mrOk);

    const TROTitleBar& bar = *about.ROTitleBar1;
    EXPECT_TRUE(bar.Attached());
    EXPECT_EQ(bar.Colors(), 128);
    EXPECT_EQ(bar.Font(), (TFont{QStringLiteral("MS Sans Serif"), -16, 0, clWindowText}));
    EXPECT_EQ(bar.Font3D().Style(), TROThreeDStyle::tdRaisedShadow);
    EXPECT_EQ(bar.Font3D().LightDepth(), 1);
    EXPECT_EQ(bar.Font3D().ShadowDepth(), 2);
    EXPECT_EQ(bar.Font3D().LightColor(), clWhite);
    EXPECT_EQ(bar.Font3D().ShadowColor(), clBlack);
    EXPECT_EQ(bar.ActiveStartColor(), clRed);
    EXPECT_EQ(bar.ActiveEndColor(), clBlue);
    EXPECT_EQ(bar.InActiveStartColor(), clGray);
    EXPECT_EQ(bar.InActiveEndColor(), clSilver);
}

TEST_F(AboutForm, CaptionRunsToTheRightEdgeWithoutAnIcon) {
    Taboutform about;
    about.show();
    // Not yet activated: the inactive gradient, grey at the left, the desktop's
    // inactive gradient colour (silver) at the right edge of the small caption.
    const QImage& frame = about.framePicture();
    EXPECT_EQ(frame.pixel(3, 8), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(frame.pixel(frame.width() - 4, 8), qRgb(0xC0, 0xC0, 0xC0));
    about.hide();
}

TEST_F(AboutForm, EveryPanelTickRepaintsTheHeading) {
    Taboutform about;
    about.show();
    QApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    about.TextAnimator1->installEventFilter(&counter);
    for (int tick = 0; tick < 10; ++tick) {
        test::clock().advance(20);
        QApplication::processEvents();
    }
    // The heading's own clock (70 ms) adds three paints at most.
    EXPECT_GE(counter.paints, 10);
    about.hide();
}

// Where the colour walk stands on its way there and back.
int walkPhase(const ColorWalk& walk) {
    return walk.ColorDir() > 0 ? walk.ColorPos() : 2 * walk.ColorSpan() - walk.ColorPos();
}

// A busy event loop delivers the ticks late: the credits still rise by every
// period, in one paint of the panel, and the heading's colours walk on by
// twelve letters for every paint the ticks asked for, however few came.
TEST_F(AboutForm, LateTicksKeepThePace) {
    Taboutform about;
    about.show();
    QApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } panel, heading;
    about.Titler1->installEventFilter(&panel);
    about.TextAnimator1->installEventFilter(&heading);
    const int offset = about.Titler1->ScrollOffset();
    const int before = walkPhase(about.TextAnimator1->colorWalk());
    // 210 ms: ten periods of the panel, three of the heading.
    test::clock().late(210);
    QApplication::processEvents();
    EXPECT_EQ(about.Titler1->ScrollOffset(), offset + 10 * about.Titler1->Step());
    EXPECT_EQ(panel.paints, 1);
    ASSERT_GE(heading.paints, 1);
    // Thirteen paints asked, all made up by the first that came; any after it
    // walk on by their own letters.
    const int cycle = 2 * about.TextAnimator1->colorWalk().ColorSpan();
    const int walked = ((walkPhase(about.TextAnimator1->colorWalk()) - before) % cycle + cycle) % cycle;
    EXPECT_EQ(walked, 12 * (13 + heading.paints - 1));
    about.hide();
}

TEST_F(AboutForm, ReopeningContinuesTheCredits) {
    Taboutform about;
    QTimer::singleShot(0, &about, [&] { QTest::keyClick(&about, Qt::Key_Return); });
    EXPECT_EQ(about.ShowModal(), mrOk);
    // Hidden, the panel goes on rising; the next opening takes up from there.
    test::clock().advance(20 * 100);
    QTimer::singleShot(0, &about, [&] {
        QApplication::processEvents();
        EXPECT_EQ(about.Titler1->ScrollOffset(), 100);
        about.BitBtn1->click();
    });
    EXPECT_EQ(about.ShowModal(), mrOk);
    // Past the end while hidden: the first paint starts again from the bottom edge.
    test::clock().advance(20 * 2000);
    QTimer::singleShot(0, &about, [&] {
        QApplication::processEvents();
        EXPECT_EQ(about.Titler1->ScrollOffset(), 0);
        about.BitBtn1->click();
    });
    EXPECT_EQ(about.ShowModal(), mrOk);
}

}  // namespace
}  // namespace pellax
