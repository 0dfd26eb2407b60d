#include "framework/widgets/listbox.h"

#include "framework/widgets/accessiblelistbox.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace pellax {

TListBox::TListBox(QWidget* parent) : QListView(parent) {
    installListBoxAccessibility();
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(SingleSelection);
    measureRows();
}

void TListBox::setModel(QAbstractItemModel* model) {
    if (QAbstractItemModel* old = this->model())
        disconnect(old, nullptr, this, nullptr);
    QListView::setModel(model);
    if (!model)
        return;
    // After a removal or a reset the rows below have moved: only the scroll range changes.
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TListBox::refresh);
    connect(model, &QAbstractItemModel::modelReset, this, &TListBox::refresh);
    connect(model, &QAbstractItemModel::layoutChanged, this, &TListBox::refresh);
    refresh();
}

int TListBox::count() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int TListBox::topRow() const { return verticalScrollBar()->value(); }

int TListBox::visibleRows() const { return std::max(1, viewport()->height() / rowHeight_); }

int TListBox::rowAt(int y) const { return topRow() + (y >= 0 ? y / rowHeight_ : -1 - (-y - 1) / rowHeight_); }

void TListBox::measureRows() {
    // Every row as high as one of text in this font and style.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.text = QStringLiteral("Xg");
    option.features |= QStyleOptionViewItem::HasDisplay;
    rowHeight_ = std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
}

int TListBox::selectedRow() const {
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void TListBox::selectRow(int row) {
    if (!selectionModel())
        return;
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

QRect TListBox::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    return QRect(0, (index.row() - topRow()) * rowHeight_, viewport()->width(), rowHeight_);
}

QModelIndex TListBox::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    if (!model() || point.x() < 0 || point.x() >= viewport()->width() || row < 0 || row >= count())
        return {};
    return model()->index(row, modelColumn(), rootIndex());
}

void TListBox::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int row = index.row();
    const int rows = visibleRows();
    int top = topRow();
    switch (hint) {
    case PositionAtTop: top = row; break;
    case PositionAtBottom: top = row - rows + 1; break;
    case PositionAtCenter: top = row - rows / 2; break;
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + rows)
            top = row - rows + 1;
        break;
    }
    verticalScrollBar()->setValue(top);
}

void TListBox::doItemsLayout() {
    // Nothing to lay out: rows are placed by arithmetic.
    QAbstractItemView::doItemsLayout();
}

int TListBox::verticalOffset() const { return topRow() * rowHeight_; }

void TListBox::updateGeometries() {
    QAbstractItemView::updateGeometries();
    QScrollBar* bar = verticalScrollBar();
    const int rows = visibleRows();
    bar->setSingleStep(1);
    bar->setPageStep(rows);
    bar->setRange(0, std::max(0, count() - rows));
}

void TListBox::refresh() {
    updateGeometries();
    viewport()->update();
}

void TListBox::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
}

void TListBox::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        measureRows();
        refresh();
    }
}

void TListBox::scrollContentsBy(int, int dy) { viewport()->scroll(0, dy * rowHeight_); }

void TListBox::paintEvent(QPaintEvent* event) {
    if (!model())
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int first = std::max(0, rowAt(event->rect().top()));
    const int last = std::min(count() - 1, rowAt(event->rect().bottom()));
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus();
    const bool enabled = isEnabled();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.state = QStyle::State_None;
        if (enabled)
            option.state |= QStyle::State_Enabled;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focused && index == current)
            option.state |= QStyle::State_HasFocus;
        if (window()->isActiveWindow())
            option.state |= QStyle::State_Active;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

QModelIndex TListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = count();
    if (rows == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int row = current;
    switch (action) {
    case MoveUp:
    case MovePrevious: row = current < 0 ? 0 : current - 1; break;
    case MoveDown:
    case MoveNext: row = current + 1; break;
    case MovePageUp: row = current - visibleRows(); break;
    case MovePageDown: row = current < 0 ? visibleRows() - 1 : current + visibleRows(); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    default: return currentIndex();
    }
    return model()->index(std::clamp(row, 0, rows - 1), modelColumn(), rootIndex());
}

void TListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
    if (!model() || !selectionModel())
        return;
    const int rows = count();
    const int first = std::max(0, rowAt(rect.top()));
    const int last = std::min(rows - 1, rowAt(rect.bottom()));
    if (rows == 0 || first > last) {
        selectionModel()->select(QItemSelection(), flags);
        return;
    }
    const QItemSelection selection(model()->index(first, modelColumn(), rootIndex()),
                                   model()->index(last, modelColumn(), rootIndex()));
    selectionModel()->select(selection, flags);
}

QRegion TListBox::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int top = topRow();
    const int bottom = top + visibleRows();
    for (const QItemSelectionRange& range : selection) {
        const int first = std::max(range.top(), top);
        const int last = std::min(range.bottom(), bottom);
        if (first <= last)
            region += QRect(0, (first - top) * rowHeight_, viewport()->width(), (last - first + 1) * rowHeight_);
    }
    return region;
}

void TListBox::rowsInserted(const QModelIndex& parent, int start, int end) {
    // Not QListView's: it would lay out every row again.
    QAbstractItemView::rowsInserted(parent, start, end);
    refresh();
}

void TListBox::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

void TListBox::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    viewport()->update();
}

// The events name the row itself: a row's number among the list's children
// changes as the list scrolls (see accessiblelistbox.h).
void TListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        if (QAccessibleInterface* row = listBoxRowInterface(*this, current.row())) {
            QAccessibleEvent focus(row, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void TListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    if (QAccessible::isActive() && !selected.isEmpty()) {
        if (QAccessibleInterface* row = listBoxRowInterface(*this, selected.constFirst().top())) {
            QAccessibleEvent event(row, QAccessible::SelectionAdd);
            QAccessible::updateAccessibility(&event);
        }
    }
}

}  // namespace pellax
