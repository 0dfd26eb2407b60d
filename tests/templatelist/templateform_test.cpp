#include "templateformtest.h"

#include "controls/label.h"
#include "controls/titlebar.h"
#include "framework/paint/canvas.h"
#include "framework/windows/application.h"

#include <QAccessible>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace pellax::test {
namespace {

TEST_F(TemplateFormTest, TitleBarAsDescribed) {
    ASSERT_NE(form.ROTitleBar1, nullptr);
    TROTitleBar& bar = *form.ROTitleBar1;
    EXPECT_TRUE(bar.Attached());
    EXPECT_EQ(bar.Colors(), 128);
    EXPECT_EQ(bar.Font(), (TFont{QStringLiteral("MS Sans Serif"), -13, fsBold, clNavy}));
    EXPECT_EQ(bar.Font3D().LightDepth(), 2);
    EXPECT_EQ(bar.Font3D().ShadowDepth(), 2);
    EXPECT_EQ(bar.Font3D().LightColor(), clBlack);
    EXPECT_EQ(bar.Font3D().ShadowColor(), clNavy);
    EXPECT_EQ(bar.Font3D().Style(), TROThreeDStyle::tdNone);
    EXPECT_EQ(bar.ActiveStartColor(), clGray);
    EXPECT_EQ(bar.ActiveEndColor(), clWhite);
    EXPECT_EQ(bar.InActiveStartColor(), clGray);
    EXPECT_EQ(bar.InActiveEndColor(), clSilver);
    // Inactive until activated: the small caption starts grey.
    form.show();
    EXPECT_EQ(form.framePicture().pixel(3, 10), qRgb(0x80, 0x80, 0x80));
}

TEST_F(TemplateFormTest, WindowAsDescribed) {
    EXPECT_EQ(form.objectName(), QStringLiteral("templateform"));
    EXPECT_EQ(form.Caption(), QStringLiteral("Got list manager (template.lst)"));
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsToolWindow);
    EXPECT_EQ(form.BorderIcons(), unsigned{biSystemMenu});
    EXPECT_EQ(form.Position(), TPosition::poMainFormCenter);
    EXPECT_EQ(form.client()->size(), QSize(348, 444));
    EXPECT_EQ(form.Color(), clBlack);
    EXPECT_EQ(form.Font(), (TFont{QStringLiteral("MS Sans Serif"), -11, 0, clWhite}));
    EXPECT_FALSE(form.isVisible());

    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST_F(TemplateFormTest, ControlsAsDescribed) {
    EXPECT_EQ(form.ROLabel1->Caption(), QStringLiteral("Template file contents"));
    EXPECT_EQ(form.ROLabel1->pos(), QPoint(8, 8));
    EXPECT_EQ(form.gotlist->geometry(), QRect(0, 24, 273, 385));
    EXPECT_EQ(form.Button1->geometry(), QRect(280, 416, 67, 25));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Add"));
    EXPECT_EQ(form.Button3->geometry(), QRect(280, 24, 67, 25));
    EXPECT_EQ(form.Button3->text(), QStringLiteral("Delete"));
    EXPECT_EQ(form.curgot->geometry(), QRect(0, 416, 273, 21));
    EXPECT_EQ(form.curgot->text(), QStringLiteral("\"\""));
    EXPECT_EQ(form.gotlist->count(), 0);
    EXPECT_EQ(form.gotlist->rowHeight(), 13);

    for (QWidget* w : {static_cast<QWidget*>(form.gotlist), static_cast<QWidget*>(form.curgot)}) {
        EXPECT_EQ(w->palette().color(QPalette::Base), QColor(Qt::black)) << w->objectName().toStdString();
        EXPECT_EQ(w->palette().color(QPalette::Text), QColor(Qt::white)) << w->objectName().toStdString();
    }

    // Tab order: list, Add, Delete, field.
    const QList<QWidget*> controls{form.gotlist, form.Button1, form.Button3, form.curgot};
    QList<QWidget*> order;
    QWidget* w = form.gotlist;
    do {
        if (controls.contains(w))
            order.append(w);
        w = w->nextInFocusChain();
    } while (w != form.gotlist);
    EXPECT_EQ(order, controls);
}

TEST_F(TemplateFormTest, ScreenReadersNameTheListAfterItsHeadingAndTheFieldAfterItsEntry) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form.gotlist);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Template file contents"));
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(form.curgot);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), QStringLiteral("Entry to add"));
}

TEST_F(TemplateFormTest, HeadingIsABevelledLabelSizedToItsText) {
    TROLabel& label = *form.ROLabel1;
    EXPECT_EQ(label.Bevel().Mode(), bmCustom);
    EXPECT_EQ(label.Bevel().StandardStyle(), lsSingleLowered);
    EXPECT_EQ(label.Bevel().OverallWidth(), 0);
    EXPECT_TRUE(label.Transparent());
    EXPECT_TRUE(label.AutoSize());
    EXPECT_TRUE(label.ParentFont());
    EXPECT_TRUE(label.ParentColor());
    EXPECT_EQ(label.Font(), form.Font());
    EXPECT_EQ(label.Color(), clBlack);
    EXPECT_EQ(label.FontFx().Style(), TROThreeDStyle::tdNone);

    TCanvas measure;
    measure.SetFont(form.Font());
    const TPoint text = measure.TextExtent(QStringLiteral("Template file contents"));
    EXPECT_EQ(text.Y, 13);
    EXPECT_EQ(label.geometry(), QRect(8, 8, text.X + 2, 15));

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Template file contents"));
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
}

TEST_F(TemplateFormTest, HeadingIsWhiteTextAtItsCornerWithoutFrameOrFill) {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect area = form.ROLabel1->geometry();
    const QImage shown = form.client()->grab(area).toImage().convertToFormat(QImage::Format_RGB32);

    QImage expected(area.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    TCanvas canvas;
    canvas.bind(expected);
    canvas.SetFont(form.Font());
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    TRect r{0, 0, area.width(), area.height()};
    canvas.DrawText(QStringLiteral("Template file contents"), r, DT_LEFT | DT_TOP);
    canvas.unbind();
    EXPECT_EQ(shown, expected);
    int white = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            white += shown.pixel(x, y) == qRgb(255, 255, 255);
    }
    EXPECT_GT(white, 20);
}

TEST_F(TemplateFormTest, MenuAndDialogs) {
    QMenuBar* bar = form.menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0], form.File1->menuAction());
    EXPECT_EQ(form.File1->title(), QStringLiteral("File"));
    EXPECT_EQ(form.File1->objectName(), QStringLiteral("File1"));
    ASSERT_EQ(form.File1->actions().size(), 2);
    EXPECT_EQ(form.File1->actions()[0], form.Opentemplatefile1);
    EXPECT_EQ(form.File1->actions()[1], form.Saveastemplatefile1);
    EXPECT_EQ(form.Opentemplatefile1->text(), QStringLiteral("Open template file"));
    EXPECT_EQ(form.Opentemplatefile1->objectName(), QStringLiteral("Opentemplatefile1"));
    EXPECT_EQ(form.Saveastemplatefile1->text(), QStringLiteral("Save as template file"));
    EXPECT_EQ(form.Saveastemplatefile1->objectName(), QStringLiteral("Saveastemplatefile1"));

    EXPECT_EQ(form.FindComponent(QStringLiteral("Opentemp")), &form.Opentemp);
    EXPECT_EQ(form.FindComponent(QStringLiteral("Savetemp")), &form.Savetemp);
    for (const TFileDialog* d : {static_cast<TFileDialog*>(&form.Opentemp), static_cast<TFileDialog*>(&form.Savetemp)}) {
        EXPECT_EQ(d->Filter, QStringLiteral("Template files|*.lst|MPQ archives|*.mpq"));
        EXPECT_EQ(d->DefaultExt, QStringLiteral("*.lst"));
        EXPECT_TRUE(d->Title.isEmpty());
    }
}

TEST_F(TemplateFormTest, AddQuotesTheEntry) {
    add(QStringLiteral("melee"));
    EXPECT_EQ(form.curgot->text(), QStringLiteral("\"melee\""));
    add(QStringLiteral("\"ffa"));
    add(QStringLiteral("tvb\""));
    add(QStringLiteral("\"ums\""));
    EXPECT_EQ(items(), (QStringList{"\"melee\"", "\"ffa\"", "\"tvb\"", "\"ums\""}));
}

TEST_F(TemplateFormTest, AddKeepsFieldSoAddingAgainRepeats) {
    form.Button1->click();
    form.Button1->click();
    EXPECT_EQ(items(), (QStringList{"\"\"", "\"\""}));
    EXPECT_EQ(form.curgot->text(), QStringLiteral("\"\""));
}

TEST_F(TemplateFormTest, AddOfOneQuoteAddsItAsItIs) {
    add(QStringLiteral("\""));
    EXPECT_EQ(items(), QStringList{"\""});
    EXPECT_EQ(form.curgot->text(), QStringLiteral("\""));
}

TEST_F(TemplateFormTest, AddOfEmptyFieldAddsNothing) {
    add(QString());
    EXPECT_EQ(form.gotlist->count(), 0);
    EXPECT_TRUE(form.curgot->text().isEmpty());
}

TEST_F(TemplateFormTest, DeleteRemovesOnlyTheSelectedItem) {
    setItems({"a", "b", "c"});
    select(1);
    form.Button3->click();
    EXPECT_EQ(items(), (QStringList{"a", "c"}));
    EXPECT_EQ(selectedRow(), -1);
    // Nothing is selected any more, so a second Delete removes nothing.
    form.Button3->click();
    EXPECT_EQ(items(), (QStringList{"a", "c"}));
}

TEST_F(TemplateFormTest, DeleteWithoutSelectionDoesNothing) {
    form.Button3->click();
    setItems({"a", "b"});
    form.Button3->click();
    EXPECT_EQ(items(), (QStringList{"a", "b"}));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TemplateFormTest, RenameAsksWithTheItemsText) {
    setItems({"\"a\"", "\"b\"", "\"c\""});
    select(1);
    dialogs->answerInput(QStringLiteral("renamed"));
    form.gotlistDblClick();
    ASSERT_EQ(dialogs->inputBoxes.size(), 1u);
    const ShownInputBox& box = dialogs->inputBoxes[0];
    EXPECT_EQ(box.caption, QStringLiteral("Edit list member"));
    EXPECT_EQ(box.prompt, QStringLiteral("Enter new name"));
    EXPECT_EQ(box.text, QStringLiteral("\"b\""));
    EXPECT_EQ(box.maxLength, 255);
    // Not quoted, in the same place, still selected.
    EXPECT_EQ(items(), (QStringList{"\"a\"", "renamed", "\"c\""}));
    EXPECT_EQ(selectedRow(), 1);
}

TEST_F(TemplateFormTest, RenameCancelledKeepsTheItem) {
    setItems({"\"a\"", "\"b\""});
    select(0);
    dialogs->answerInput(std::nullopt);
    form.gotlistDblClick();
    EXPECT_EQ(dialogs->inputBoxes.size(), 1u);
    EXPECT_EQ(items(), (QStringList{"\"a\"", "\"b\""}));
    EXPECT_EQ(selectedRow(), 0);
}

TEST_F(TemplateFormTest, RenameWithoutSelectionDoesNothing) {
    form.gotlistDblClick();
    setItems({"a"});
    form.gotlistDblClick();
    EXPECT_TRUE(dialogs->inputBoxes.empty());
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(items(), QStringList{"a"});
}

TEST_F(TemplateFormTest, DoubleClickOnAnItemRenamesIt) {
    setItems({"a", "b", "c"});
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect rect = form.gotlist->visualRect(form.entries->index(2));
    ASSERT_TRUE(rect.isValid());
    EXPECT_EQ(rect.height(), 13);
    dialogs->answerInput(QStringLiteral("z"));
    QWidget* viewport = form.gotlist->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, rect.center());
    ASSERT_EQ(dialogs->inputBoxes.size(), 1u);
    EXPECT_EQ(dialogs->inputBoxes[0].text, QStringLiteral("c"));
    EXPECT_EQ(items(), (QStringList{"a", "b", "z"}));
}

TEST_F(TemplateFormTest, ClosingOnlyHidesAndKeepsEverything) {
    setItems({"a", "b"});
    select(1);
    form.curgot->setText(QStringLiteral("typed"));
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(Application::instance().Terminated());

    form.Show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(items(), (QStringList{"a", "b"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(form.curgot->text(), QStringLiteral("typed"));
}

}  // namespace
}  // namespace pellax::test
