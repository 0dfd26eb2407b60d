#include "framework/widgets/accessiblelistbox.h"

#include "framework/widgets/accessiblefactory.h"
#include "framework/widgets/listbox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

namespace pellax {

namespace {

// The rows at least partly on screen, first and last; last < first for none.
// Counted from the height of a row: a viewport with no room shows none, where
// asking for the row at its bottom would find none and seem to show them all.
std::pair<int, int> shownRows(const TListBox& list) {
    const int count = list.count();
    const int height = list.viewport()->height();
    if (count == 0 || height <= 0)
        return {0, -1};
    const int first = list.topRow();
    const int rowHeight = list.rowHeight();
    const int rows = (height + rowHeight - 1) / rowHeight;
    return {first, std::min(count - 1, first + rows - 1)};
}

bool isShown(const TListBox& list, int row) {
    const auto [first, last] = shownRows(list);
    return row >= first && row <= last;
}

// One row, made when a reader asks for it. It follows its entry when rows
// above it come and go, and is invalid once the entry is gone.
class ListBoxRow final : public QAccessibleInterface,
                         public QAccessibleTableCellInterface,
                         public QAccessibleActionInterface {
public:
    ListBoxRow(TListBox* list, const QModelIndex& index) : list_(list), index_(index) {}

    int row() const { return index_.row(); }

    bool isValid() const override { return list_ && index_.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name: {
            const QString spoken = index_.data(Qt::AccessibleTextRole).toString();
            return spoken.isEmpty() ? index_.data(Qt::DisplayRole).toString() : spoken;
        }
        case QAccessible::Description: return index_.data(Qt::AccessibleDescriptionRole).toString();
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = list_->visualRect(index_);
        return QRect(list_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = list_->hasFocus() && list_->currentIndex() == index_;
        s.active = s.focused;
        s.disabled = !list_->isEnabled();
        s.offscreen = !isShown(*list_, row());
        s.invisible = s.offscreen || !list_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // A cell of a table of one column.
    bool isSelected() const override {
        return isValid() && list_->selectionModel() && list_->selectionModel()->isSelected(index_);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Choosing the row selects it, as a click does.
    QStringList actionNames() const override { return {setFocusAction()}; }
    void doAction(const QString& action) override {
        if (action == setFocusAction() && isValid())
            list_->selectRow(row());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TListBox> list_;
    QPersistentModelIndex index_;
};

class ListBoxAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListBoxAccessible(TListBox* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~ListBoxAccessible() override {
        for (const auto& [row, id] : rows_)
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The children are the rows on screen; the table has them all.
    int childCount() const override {
        const auto [first, last] = shownRows(list());
        return last - first + 1;
    }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? rowInterface(list().topRow() + index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [row, id] : rows_) {
            if (QAccessible::accessibleInterface(id) == child)
                return row.isValid() && isShown(list(), row.row()) ? row.row() - list().topRow() : -1;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = list().indexAt(list().viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? rowInterface(index.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = list().currentIndex();
        return list().hasFocus() && current.isValid() ? rowInterface(current.row()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return column == 0 ? rowInterface(row) : nullptr;
    }
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const int row : selectedRows())
            cells.append(rowInterface(row));
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override { return list().model() ? 1 : 0; }
    int rowCount() const override { return list().count(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        if (list().selectionModel()) {
            for (const QModelIndex& index : list().selectionModel()->selectedIndexes())
                rows.append(index.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override {
        const int count = list().count();
        return row >= 0 && row < count && list().selectionModel() &&
               list().selectionModel()->isRowSelected(row, list().rootIndex());
    }
    bool selectRow(int row) override {
        if (row < 0 || row >= list().count())
            return false;
        list().selectRow(row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override {
        if (!isRowSelected(row))
            return false;
        list().selectRow(-1);
        return true;
    }
    bool unselectColumn(int) override { return false; }

    // Rows whose entry went are dropped; the others follow their entries.
    void modelChange(QAccessibleTableModelChangeEvent*) override {
        std::erase_if(rows_, [](const Entry& entry) {
            if (entry.first.isValid())
                return false;
            QAccessible::deleteAccessibleInterface(entry.second);
            return true;
        });
    }

    QAccessibleInterface* rowInterface(int row) const {
        if (row < 0 || row >= list().count())
            return nullptr;
        for (const auto& [index, id] : rows_) {
            if (index.isValid() && index.row() == row)
                return QAccessible::accessibleInterface(id);
        }
        forgetRowsOutOfSight();
        const QModelIndex index = list().model()->index(row, list().modelColumn(), list().rootIndex());
        auto* iface = new ListBoxRow(&list(), index);  // Qt's accessibility cache owns it
        rows_.emplace_back(QPersistentModelIndex(index), QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

private:
    using Entry = std::pair<QPersistentModelIndex, QAccessible::Id>;
    // A reader that asks for row after row keeps at most this many rows made.
    static constexpr std::size_t kKeptRows = 256;

    TListBox& list() const { return *static_cast<TListBox*>(widget()); }

    void forgetRowsOutOfSight() const {
        if (rows_.size() < kKeptRows)
            return;
        const QModelIndex current = list().currentIndex();
        const std::pair<int, int> shown = shownRows(list());
        std::erase_if(rows_, [&](const Entry& entry) {
            const int row = entry.first.row();
            if (entry.first.isValid() && (entry.first == current || (row >= shown.first && row <= shown.second)))
                return false;
            QAccessible::deleteAccessibleInterface(entry.second);
            return true;
        });
    }

    mutable std::vector<Entry> rows_;
};

}  // namespace

void installListBoxAccessibility() { installAccessibleOnce<TListBox, ListBoxAccessible>(); }

// Every list box installed the interface when it was made.
QAccessibleInterface* listBoxRowInterface(TListBox& list, int row) {
    auto* iface = dynamic_cast<ListBoxAccessible*>(QAccessible::queryAccessibleInterface(&list));
    return iface ? iface->rowInterface(row) : nullptr;
}

}  // namespace pellax
