#include "framework/files/exception.h"
#include "framework/widgets/bitbtn.h"
#include "framework/windows/form.h"

#include "support/fixtures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace pellax {
namespace {

// A window with an OK button, shown modally while `script` runs from the event loop.
class ModalShow : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        form.SetBorderIcons(0);
        form.SetClientSize(200, 100);
        ok = new TBitBtn(form.client());
        ok->SetKind(TBitBtnKind::bkOK);
        ok->setGeometry(60, 60, 75, 25);
    }

    // Runs ShowModal; `script` runs once the window is up. A watchdog ends
    // a show that nothing else ends.
    int showModal(std::function<void()> script) {
        QTimer::singleShot(0, &form, [this, script] {
            visibleDuringShow = form.isVisible();
            modalDuringShow = QApplication::activeModalWidget() == &form;
            script();
        });
        QTimer::singleShot(5000, &form, [this] {
            timedOut = true;
            form.SetModalResult(mrAbort);
        });
        return form.ShowModal();
    }

    TForm form{QStringLiteral("dialog")};
    TBitBtn* ok = nullptr;
    bool visibleDuringShow = false;
    bool modalDuringShow = false;
    bool timedOut = false;
};

TEST_F(ModalShow, EnterPressesTheDefaultButtonAndEndsTheShow) {
    const int result = showModal([this] {
        // Esc is nobody's key here.
        QTest::keyClick(&form, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(form.isVisible());
        QTest::keyClick(&form, Qt::Key_Return);
    });
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(visibleDuringShow);
    EXPECT_TRUE(modalDuringShow);
    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Shown again, the same window comes up and the button works as well.
    EXPECT_EQ(showModal([this] { ok->click(); }), mrOk);
    EXPECT_THROW(
        {
            form.show();
            form.ShowModal();
        },
        EInvalidOperation);
    form.hide();
}

TEST_F(ModalShow, TheWindowManagerClosesOnlyAWindowWithACloseBox) {
    // As the window manager asks: a close event for the platform window.
    const auto askToClose = [this] {
        QCloseEvent request;
        QApplication::sendEvent(form.windowHandle(), &request);
    };
    const int result = showModal([&] {
        askToClose();
        EXPECT_TRUE(form.isVisible());
        form.close();  // the program itself still can
    });
    EXPECT_EQ(result, mrCancel);
    form.SetBorderIcons(biSystemMenu);
    EXPECT_EQ(showModal(askToClose), mrCancel);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(form.isVisible());
}

// The window it was shown over has the focus again once the show ends, as the
// desktop gives it back after a dialog.
TEST_F(ModalShow, TheWindowItWasShownOverGetsTheFocusBack) {
    TForm opener(QStringLiteral("opener"));
    opener.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
    EXPECT_EQ(showModal([this] { ok->click(); }), mrOk);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&opener));
    EXPECT_EQ(QApplication::activeWindow(), &opener);
}

TEST(BitBtn, OkKindBringsCaptionGlyphsAndRole) {
    TBitBtn button;
    button.SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(button.text(), QStringLiteral("OK"));
    EXPECT_EQ(button.accessibleName(), QStringLiteral("OK"));
    EXPECT_TRUE(button.isDefault());
    EXPECT_EQ(button.ModalResult(), mrOk);

    const QImage glyph = bitBtnGlyph(TBitBtnKind::bkOK, false);
    const QImage grey = bitBtnGlyph(TBitBtnKind::bkOK, true);
    ASSERT_EQ(glyph.size(), QSize(18, 18));
    ASSERT_EQ(grey.size(), QSize(18, 18));
    int green = 0, coloured = 0, shadow = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            const QRgb g = grey.pixel(x, y);
            green += glyph.pixel(x, y) == qRgb(0, 0x80, 0);
            coloured += qAlpha(g) == 255 && qGreen(g) != qRed(g);
            shadow += g == qRgb(0x80, 0x80, 0x80);
        }
    }
    EXPECT_GT(green, 30);
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(shadow, 30);
    // The background is left out.
    EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(grey.pixel(0, 17)), 0);
}

}  // namespace
}  // namespace pellax
