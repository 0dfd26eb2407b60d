#include "framework/widgets/listbox.h"

#include "framework/widgets/accessiblelistbox.h"

#include <QAccessible>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

namespace pellax {
namespace {

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStringList rows;
        for (int i = 0; i < 1000; ++i)
            rows << QStringLiteral("row %1").arg(i);
        model.setStringList(rows);
        box.setModel(&model);
        box.resize(200, 10 * box.rowHeight() + 2 * box.frameWidth());
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    QStringListModel model;
    TListBox box;
};

TEST_F(ListBoxTest, RowsArePlacedAndFoundByArithmetic) {
    const int h = box.rowHeight();
    EXPECT_EQ(box.visualRect(model.index(3)), QRect(0, 3 * h, box.viewport()->width(), h));
    EXPECT_EQ(box.indexAt(QPoint(5, 3 * h + h - 1)).row(), 3);
    EXPECT_FALSE(box.indexAt(QPoint(5, -1)).isValid());
    // Scrolled by whole rows: the row scrolled to is the last one that shows.
    box.scrollTo(model.index(500));
    EXPECT_EQ(box.topRow(), 491);
    EXPECT_EQ(box.indexAt(QPoint(5, 0)).row(), 491);
    EXPECT_EQ(box.verticalScrollBar()->maximum(), 990);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
    box.setFocus();
    box.selectRow(0);
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_EQ(box.selectedRow(), 999);
    EXPECT_EQ(box.topRow(), 990);
    QTest::keyClick(&box, Qt::Key_PageUp);
    EXPECT_EQ(box.selectedRow(), 989);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.selectedRow(), 988);
    box.selectRow(-1);
    EXPECT_EQ(box.selectedRow(), -1);
    EXPECT_FALSE(box.currentIndex().isValid());
}

TEST_F(ListBoxTest, ChangesOfRowsKeepTheViewWhereItIs) {
    box.scrollTo(model.index(100), QAbstractItemView::PositionAtTop);
    model.insertRows(model.rowCount(), 1);
    model.removeRows(5, 1);
    EXPECT_EQ(box.topRow(), 100);
    model.removeRows(0, model.rowCount() - 3);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.topRow(), 0);
    EXPECT_EQ(box.verticalScrollBar()->maximum(), 0);
}

TEST_F(ListBoxTest, AClickSelectsTheRowUnderTheMouse) {
    const QRect row4 = box.visualRect(model.index(4));
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(box.selectedRow(), 4);
}

// Screen readers see the rows on screen as the list's children and reach every
// row by its number through the list's table; a row follows its entry. Events
// name the row itself, not its place among the children.
TEST_F(ListBoxTest, ScreenReadersSeeTheRowsOnScreenAndReachEveryRowByNumber) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    box.scrollTo(model.index(500), QAbstractItemView::PositionAtTop);
    ASSERT_EQ(list->childCount(), 10);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("row 500"));
    EXPECT_EQ(list->child(9)->role(), QAccessible::ListItem);
    EXPECT_EQ(list->indexOfChild(list->child(9)), 9);
    EXPECT_EQ(list->child(10), nullptr);

    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 1000);
    QAccessibleInterface* last = table->cellAt(999, 0);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(QAccessible::Name), QStringLiteral("row 999"));
    EXPECT_TRUE(last->state().offscreen);
    EXPECT_EQ(last->parent(), list);
    EXPECT_EQ(list->indexOfChild(last), -1);
    EXPECT_EQ(table->cellAt(1000, 0), nullptr);

    model.removeRows(0, 1);
    EXPECT_EQ(last->text(QAccessible::Name), QStringLiteral("row 999"));
    EXPECT_EQ(last->tableCellInterface()->rowIndex(), 998);
    // Once its entry goes the row is invalid, and deleted when a reader is
    // listening: it is looked up again, not read through the old pointer.
    // Offscreen no reader can listen, so the row stays, invalid, until the
    // removal's table event (which Qt hands the list when one listens) drops it.
    ASSERT_FALSE(QAccessible::isActive());
    const QAccessible::Id lastId = QAccessible::uniqueId(last);
    model.removeRows(998, 1);
    const QAccessibleInterface* gone = QAccessible::accessibleInterface(lastId);
    ASSERT_NE(gone, nullptr);
    EXPECT_FALSE(gone->isValid());
    EXPECT_EQ(table->cellAt(998, 0), nullptr);
    const QAccessible::Id keptId = QAccessible::uniqueId(table->cellAt(997, 0));
    QAccessibleTableModelChangeEvent removed(&box, QAccessibleTableModelChangeEvent::RowsRemoved);
    removed.setFirstRow(998);
    removed.setLastRow(998);
    table->modelChange(&removed);
    EXPECT_EQ(QAccessible::accessibleInterface(lastId), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(keptId), table->cellAt(997, 0));

    // What the events about a row name: the same row, made once.
    QAccessibleInterface* row = listBoxRowInterface(box, 500);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row, table->cellAt(500, 0));
    EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("row 501"));
    EXPECT_EQ(listBoxRowInterface(box, 998), nullptr);
}

// The children are counted from the room the rows have: a row cut off at the
// bottom counts, and a list with no room has none, however many rows it holds.
TEST_F(ListBoxTest, ScreenReadersSeeOnlyTheRowsThereIsRoomFor) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(list, nullptr);
    box.resize(200, 5 * box.rowHeight() / 2 + 2 * box.frameWidth());
    EXPECT_EQ(list->childCount(), 3);
    box.resize(0, 0);
    ASSERT_LE(box.viewport()->height(), 0);
    EXPECT_EQ(list->childCount(), 0);
    EXPECT_EQ(list->child(0), nullptr);
}

}  // namespace
}  // namespace pellax
