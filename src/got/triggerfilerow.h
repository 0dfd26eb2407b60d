#pragma once

#include "got/gametyperecord.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pellax {

// Opens a trigger file, a location (filelocation.h), in the trigger window
// over `over`; whoever shows game types and knows that window provides it.
using TriggerFileOpener = std::function<void(const QString& location, QWidget* over)>;

// One row of a window that shows a game type: the trigger file the game plays
// it with, as its values change, and for a game type from an archive whether
// that file is there; a button opens it from there.
class TriggerFileRow final : public QObject {
public:
    // Adds a label, the file's field and the button to `grid` at `row`, across `columns`.
    TriggerFileRow(QWidget* parent, QGridLayout* grid, int row, int columns);

    // Where the game type comes from: an archive's member list is read once here.
    void setSource(const QString& location);
    void setOpener(TriggerFileOpener opener) { opener_ = std::move(opener); }
    // Shows the file for the record's values.
    void show(const GameTypeRecord& record);

    QLineEdit* TriggerFile = nullptr;
    QPushButton* EditTriggers = nullptr;

private:
    QWidget* parent_;
    QString archive_;
    std::optional<QList<QByteArray>> members_;  // nothing: not from an archive, or it cannot be listed
    QByteArray member_;                         // the file's member in the archive, empty when not there
    TriggerFileOpener opener_;
};

}  // namespace pellax
