#include "framework/paint/textlayout.h"
#include "framework/windows/control.h"
#include "framework/windows/form.h"

#include "support/qtprinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(Accelerator, IsTheCharacterAfterTheLastSingleAmpersand) {
    EXPECT_TRUE(IsAccel(u'f', QStringLiteral("&File")));
    EXPECT_TRUE(IsAccel(u'F', QStringLiteral("&file")));
    EXPECT_FALSE(IsAccel(u'i', QStringLiteral("&File")));
    EXPECT_FALSE(IsAccel(u'b', QStringLiteral("a&&b")));  // an ampersand, not a mark
    EXPECT_TRUE(IsAccel(u'x', QStringLiteral("&&&x")));
    EXPECT_TRUE(IsAccel(u'b', QStringLiteral("&a&b")));
    EXPECT_FALSE(IsAccel(u'a', QStringLiteral("&a&b")));
    EXPECT_TRUE(accelCharOf(QStringLiteral("x&")).isNull());
    EXPECT_TRUE(accelCharOf(QString()).isNull());
}

// Takes the dialog characters it is told to and records every one offered.
class KeyProbe : public TGraphicControl {
public:
    KeyProbe(TForm& form, QChar takes) : TGraphicControl(&form, form.client()), takes_(takes) {}
    bool DialogChar(QChar key) override {
        offered.append(key);
        return key == takes_;
    }
    QString offered;

private:
    QChar takes_;
};

TEST(Accelerator, WindowOffersAltKeysToItsControlsUntilOneTakesIt) {
    TForm form(QStringLiteral("form"));
    auto* edit = new QLineEdit(form.client());
    KeyProbe first(form, u'q');
    KeyProbe second(form, u't');
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(first.offered, QStringLiteral("t"));
    EXPECT_EQ(second.offered, QStringLiteral("t"));
    EXPECT_TRUE(edit->text().isEmpty());  // taken, so the edit never saw it

    QTest::keyClick(edit, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(second.offered, QStringLiteral("t"));  // the first took it

    // A key nobody takes is offered once, not again on its way up to the window.
    QTest::keyClick(edit, Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(first.offered, QStringLiteral("tqz"));
    EXPECT_EQ(second.offered, QStringLiteral("tz"));
    edit->clear();  // an untaken key goes on to the edit as Qt's edits take it

    QTest::keyClick(edit, Qt::Key_T);
    EXPECT_EQ(edit->text(), QStringLiteral("t"));
    QTest::keyClick(edit, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(first.offered, QStringLiteral("tqz"));  // plain and Ctrl+Alt keys are not dialog characters
}

// F10 drops down the window's first menu that can open, its first command
// chosen, wherever the focus is; with Shift it is left to the control, and a
// window without a menu bar gets none.
TEST(MenuKey, F10OpensTheFirstMenuOfTheWindow) {
    TForm form(QStringLiteral("form"));
    QMenu* hidden = form.menuBar()->addMenu(QStringLiteral("Hidden"));
    hidden->menuAction()->setVisible(false);
    form.menuBar()->addMenu(QStringLiteral("Disabled"))->setEnabled(false);
    QMenu* file = form.menuBar()->addMenu(QStringLiteral("File"));
    file->addSeparator();
    file->addAction(QStringLiteral("New"))->setEnabled(false);
    QAction* open = file->addAction(QStringLiteral("Open"));
    auto* edit = new QLineEdit(form.client());
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(edit, Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), file);
    EXPECT_EQ(form.menuBar()->activeAction(), file->menuAction());
    EXPECT_EQ(file->activeAction(), open);  // Enter runs the first command
    QTest::keyClick(file, Qt::Key_Escape);
    QTest::keyClick(form.menuBar(), Qt::Key_Escape);

    TForm plain(QStringLiteral("plain"));
    plain.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
    QTest::keyClick(&plain, Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(plain.menuWidget(), nullptr);
}

}  // namespace
}  // namespace pellax
