#include "templatelist/templatelistmodel.h"

namespace pellax {

TemplateListModel::TemplateListModel(QObject* parent) : QAbstractListModel(parent) {}

int TemplateListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : entries_.count(); }

QVariant TemplateListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= entries_.count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return entries_.at(index.row());
    return {};
}

void TemplateListModel::assign(TemplateEntries entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

void TemplateListModel::append(const QString& entry) {
    const int row = entries_.count();
    beginInsertRows({}, row, row);
    entries_.append(entry);
    endInsertRows();
}

void TemplateListModel::replace(int row, const QString& entry) {
    entries_.replace(row, entry);
    const QModelIndex i = index(row);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
}

void TemplateListModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    entries_.removeAt(row);
    endRemoveRows();
}

}  // namespace pellax
