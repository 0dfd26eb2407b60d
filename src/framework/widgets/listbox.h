#pragma once

#include <QListView>

namespace pellax {

// A list box for lists of any length. Every row has the same height and the
// list scrolls by whole rows, so finding, painting and scrolling to a row is
// arithmetic, and adding or removing a row never lays out the others (a plain
// QListView lays out every row again on each change: tens of milliseconds at a
// million rows). Screen readers see it as a list of the rows on screen and a
// table of all of them (accessiblelistbox.h).
class TListBox : public QListView {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    int count() const;
    int rowHeight() const noexcept { return rowHeight_; }
    // The first row shown.
    int topRow() const;

    // The one selected row, or -1.
    int selectedRow() const;
    // Selects `row` and makes it current; -1 leaves nothing selected or current.
    void selectRow(int row);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void setModel(QAbstractItemModel* model) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void measureRows();
    void refresh();
    int rowAt(int y) const;
    int visibleRows() const;

    int rowHeight_ = 16;
};

}  // namespace pellax
