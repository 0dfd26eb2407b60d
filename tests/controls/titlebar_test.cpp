#include "controls/captionrects.h"
#include "controls/titlebar.h"
#include "framework/files/exception.h"
#include "framework/files/registry.h"
#include "framework/paint/desktop.h"
#include "framework/windows/form.h"

#include "support/fakewindow.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QExposeEvent>
#include <QWindow>
#include <QIcon>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace pellax {
namespace {

constexpr TColor kMagenta = 0xFF00FF;

TColor pixelOf(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return static_cast<TColor>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

struct Titled {
    std::unique_ptr<TForm> form;
    TROTitleBar* bar = nullptr;

    const QImage& frame() const { return form->framePicture(); }
    void activate(bool on) {
        QEvent e(on ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QApplication::sendEvent(form.get(), &e);
    }
};

struct Rects {
    TRect caption, text;
    std::uint16_t flags;
};

// A window like the editor's (single border, system menu and minimise box)
// with a title bar set up by `setUp` while the window loads.
Titled titled(const std::function<void(TROTitleBar&)>& setUp = {}) {
    Titled t;
    t.form = std::make_unique<TForm>(QStringLiteral("form"));
    TForm& f = *t.form;
    f.BeginLoading();
    f.SetCaption(QStringLiteral("Pellax"));
    f.SetBorderStyle(TFormBorderStyle::bsSingle);
    f.SetBorderIcons(biSystemMenu | biMinimize);
    f.SetClientSize(300, 60);
    t.bar = &f.make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    t.bar->SetColors(128);
    t.bar->SetActiveStartColor(clRed);
    t.bar->SetActiveEndColor(clBlue);
    if (setUp)
        setUp(*t.bar);
    f.EndLoading();
    return t;
}

Rects rectsOf(TForm& form) {
    Rects r{{}, {}, crEndAtText | crSingleBorder};
    CalcCaptionRects(form.Handle(), r.caption, r.text, r.flags);
    return r;
}

QIcon solidIcon(TColor color) {
    QPixmap picture(16, 16);
    picture.fill(rgbToQColor(color));
    return QIcon(picture);
}

TEST(TitleBar, PaintsTheGradientThirdsWithTheIconOnTop) {
    Titled t = titled();
    t.form->setWindowIcon(solidIcon(kMagenta));
    t.form->show();
    t.activate(true);
    ASSERT_TRUE(t.bar->Active());
    const Rects r = rectsOf(*t.form);
    ASSERT_TRUE(r.flags & crIcon);
    const int row = (r.caption.Top + r.caption.Bottom) / 2;
    const int split = r.caption.Right / 3;
    EXPECT_EQ(pixelOf(t.frame(), r.caption.Left, row), clRed);
    EXPECT_EQ(pixelOf(t.frame(), split, row), clBlue);
    EXPECT_EQ(pixelOf(t.frame(), r.caption.Right - 1, row), Desktop::instance().sysColor(COLOR_GRADIENTACTIVECAPTION));
    // The icon was saved from the desktop's caption and put back over the gradient.
    EXPECT_EQ(pixelOf(t.frame(), 12, row), kMagenta);
    EXPECT_EQ(t.bar->IconBitmap().Width(), r.text.Left - r.caption.Left);
    // Past the caption rectangle the buttons stay as the desktop drew them.
    const TRect close = t.form->frameLayout().closeButton;
    EXPECT_EQ(pixelOf(t.frame(), close.Left + 2, close.Top + 2), Desktop::instance().sysColor(COLOR_BTNFACE));
}

TEST(TitleBar, AToolWindowWithoutIconsIsPaintedToItsRightEdge) {
    // Shaped like the About window: small caption, no system menu, no icon.
    TForm form(QStringLiteral("about"));
    form.BeginLoading();
    form.SetBorderStyle(TFormBorderStyle::bsToolWindow);
    form.SetBorderIcons(0);
    form.SetClientSize(383, 291);
    auto& bar = form.make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    bar.SetColors(128);
    bar.SetActiveStartColor(clRed);
    bar.SetActiveEndColor(clBlue);
    bar.Font3D().SetStyle(TROThreeDStyle::tdRaisedShadow);
    bar.Font3D().SetShadowDepth(2);
    form.EndLoading();
    form.setWindowIcon(solidIcon(kMagenta));
    form.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activate);

    Rects r{{}, {}, crEndAtText};
    CalcCaptionRects(form.Handle(), r.caption, r.text, r.flags);
    EXPECT_FALSE(r.flags & crIcon);
    EXPECT_EQ(r.caption, Rect(3, 3, 389, 17));
    EXPECT_EQ(r.text.Left, 2);
    const QImage& frame = form.framePicture();
    EXPECT_EQ(pixelOf(frame, 3, 10), clRed);
    EXPECT_EQ(pixelOf(frame, 389 / 3, 10), clBlue);
    // Over the right border too, up to the window's edge.
    EXPECT_EQ(pixelOf(frame, 388, 10), Desktop::instance().sysColor(COLOR_GRADIENTACTIVECAPTION));
    EXPECT_NE(pixelOf(frame, 8, 10), kMagenta);
}

TEST(TitleBar, InactiveCaptionsArePaintedOnlyWithTheInactiveGradientOption) {
    Titled t = titled([](TROTitleBar& bar) { bar.SetInActiveStartColor(0x123456); });
    t.form->show();
    t.activate(true);
    t.activate(false);
    EXPECT_FALSE(t.bar->Active());
    const Rects r = rectsOf(*t.form);
    const int row = (r.caption.Top + r.caption.Bottom) / 2;
    EXPECT_EQ(pixelOf(t.frame(), r.caption.Left, row), 0x123456);

    t.bar->SetOptions(t.bar->Options() & ~fsInactiveGradient);
    t.activate(true);
    t.activate(false);
    // The desktop's own inactive caption is left.
    EXPECT_EQ(pixelOf(t.frame(), r.caption.Left, row), Desktop::instance().sysColor(COLOR_INACTIVECAPTION));
}

TEST(TitleBar, WithoutTheFormsCaptionTheWindowTextIsOneBlank) {
    Titled t = titled([](TROTitleBar& bar) { bar.SetOptions(bar.Options() & ~fsUseFormCaption); });
    EXPECT_EQ(t.form->Caption(), QStringLiteral(" "));
    EXPECT_EQ(t.bar->CaptionText(), QStringLiteral("Pellax"));
    QString text = QStringLiteral("unchanged");
    EXPECT_EQ(t.form->Handle().sendMessage(WM_GETTEXT, 64, reinterpret_cast<LPARAM>(&text)), 1);
    EXPECT_EQ(text, QStringLiteral(" "));
    EXPECT_EQ(t.form->Handle().sendMessage(WM_GETTEXTLENGTH), 1);

    t.bar->SetEnabled(false);
    EXPECT_EQ(t.form->Caption(), QStringLiteral("Pellax"));
    EXPECT_TRUE(t.bar->Attached());
    // Disabled, the hook passes the requests on.
    EXPECT_EQ(t.form->Handle().sendMessage(WM_GETTEXTLENGTH), 6);
}

TEST(TitleBar, RestoringTheSystemCaptionBypassesTheHook) {
    Titled t = titled();
    t.form->show();
    t.activate(false);
    ASSERT_FALSE(t.form->frameActive());
    t.bar->SetPaintMode(TROPaintMode::pcNone);
    EXPECT_TRUE(t.form->frameActive());
    EXPECT_FALSE(t.bar->Active());
}

TEST(TitleBar, OwnerDrawHandsOverTheCaptionRightOfTheIcon) {
    int paints = 0;
    TRect given;
    Titled t = titled([&](TROTitleBar& bar) {
        bar.SetPaintMode(TROPaintMode::pcOwnerDraw);
        bar.OnPaint = [&](TROTitleBar&, TCanvas&, const TRect& dest) {
            ++paints;
            given = dest;
        };
    });
    t.form->show();
    ASSERT_GE(paints, 1);
    Rects r{{}, {}, crEndAtText | crSingleBorder};
    CalcCaptionRects(t.form->Handle(), r.caption, r.text, r.flags);
    EXPECT_EQ(given.Left, r.text.Left);
    const int before = paints;
    t.bar->SetColors(64);
    EXPECT_EQ(paints, before);
    t.bar->SetActiveEndColor(clWhite);
    EXPECT_EQ(paints, before + 1);
}

TEST(TitleBar, AMalformedColourIsReportedOncePerRunWhateverPaintsSucceed) {
    test::ScopedSettingsStore store;
    Titled t = titled();
    t.form->show();
    t.activate(true);
    const auto setGradient = [](const QString& value) {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("Control Panel\\Colors"), true));
        reg.WriteString(QStringLiteral("GradientActiveTitle"), value);
    };
    setGradient(QStringLiteral("0 0 titlebar"));
    EXPECT_THROW(t.bar->PaintCaption(true), EConvertError);
    EXPECT_FALSE(t.bar->Painting());
    EXPECT_NO_THROW(t.bar->PaintCaption(false));
    // The inactive caption reads another setting and paints.
    t.activate(false);
    EXPECT_NO_THROW(t.bar->PaintCaption(false));
    t.activate(true);
    EXPECT_NO_THROW(t.bar->PaintCaption(false));
    setGradient(QStringLiteral("0 0 0"));
    t.bar->PaintCaption(true);
    const Rects r = rectsOf(*t.form);
    EXPECT_EQ(pixelOf(t.frame(), r.caption.Right - 1, r.caption.Top + 5), clBlack);
    setGradient(QStringLiteral("0 0 titlebar"));
    EXPECT_NO_THROW(t.bar->PaintCaption(true));
    setGradient(QStringLiteral("0 0 titlebar2"));
    EXPECT_THROW(t.bar->PaintCaption(true), EConvertError);
}

TEST(TitleBar, AnExposedWindowGetsItsPaintedCaptionBack) {
    Titled t = titled();
    t.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(t.form.get()));
    QApplication::processEvents();
    t.activate(true);
    const Rects r = rectsOf(*t.form);
    const int x = r.caption.Left + 30;
    const int y = r.caption.Top + 2;
    const TColor painted = pixelOf(t.frame(), x, y);
    ASSERT_GT(painted & 0xFF, (painted >> 16) & 0xFF);  // near the red start of the gradient
    // The window's own caption, as a paint that comes before the title bar's would leave it.
    t.form->Perform(WM_NCACTIVATE, 1, 0);
    QApplication::processEvents();
    ASSERT_NE(pixelOf(t.frame(), x, y), painted);
    QExposeEvent expose(QRegion(t.form->rect()));
    QApplication::sendEvent(t.form->windowHandle(), &expose);
    QApplication::processEvents();
    EXPECT_EQ(pixelOf(t.frame(), x, y), painted);
}

TEST(TitleBar, WhileDesigningOnlyOnePerFormAndOnlyOnAForm) {
    struct DesignedForm : TForm {
        DesignedForm() : TForm(QStringLiteral("designed")) { setState(ComponentState::Designing, true); }
    } form;
    auto& first = form.make<TROTitleBar>();
    EXPECT_FALSE(first.Attached());
    try {
        form.make<TROTitleBar>();
        FAIL() << "a second title bar was accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("TROTitleBar:\rInvalid owner (<>TForm) or second instance on a form"));
    }
    test::FakeOwner notAForm(TFormStyle::fsNormal, true);
    EXPECT_THROW(notAForm.make<TROTitleBar>(), EComponentError);
    // At run time nobody asks.
    test::FakeOwner runTime;
    EXPECT_NO_THROW(runTime.make<TROTitleBar>());
}

}  // namespace
}  // namespace pellax
