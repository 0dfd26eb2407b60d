#pragma once

#include "templatelist/templateentries.h"

#include <QAbstractListModel>

namespace pellax {

// The list window's entries as the rows of its list box. Text is made only for
// the rows the list shows.
class TemplateListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TemplateListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const TemplateEntries& entries() const noexcept { return entries_; }
    void assign(TemplateEntries entries);
    void append(const QString& entry);
    void replace(int row, const QString& entry);
    void removeAt(int row);

private:
    TemplateEntries entries_;
};

}  // namespace pellax
