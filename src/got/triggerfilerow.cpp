#include "got/triggerfilerow.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "framework/windows/application.h"
#include "got/gametriggerfile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pellax {

TriggerFileRow::TriggerFileRow(QWidget* parent, QGridLayout* grid, int row, int columns)
    : QObject(parent), parent_(parent) {
    auto* label = new QLabel(QStringLiteral("Trigger file"), parent);
    TriggerFile = new QLineEdit(parent);
    TriggerFile->setObjectName(QStringLiteral("TriggerFile"));
    TriggerFile->setAccessibleName(QStringLiteral("Trigger file"));
    TriggerFile->setReadOnly(true);
    label->setBuddy(TriggerFile);
    EditTriggers = new QPushButton(QStringLiteral("Edit triggers..."), parent);
    EditTriggers->setObjectName(QStringLiteral("EditTriggers"));
    EditTriggers->setAccessibleName(QStringLiteral("Edit triggers"));
    EditTriggers->setEnabled(false);
    grid->addWidget(label, row, 0);
    grid->addWidget(TriggerFile, row, 1, 1, columns - 2);
    grid->addWidget(EditTriggers, row, columns - 1);
    onSignal(EditTriggers, &QPushButton::clicked, this, [this] {
        if (opener_ && !member_.isEmpty())
            opener_(memberLocation(archive_, member_), parent_->window());
    });
}

void TriggerFileRow::setSource(const QString& location) {
    const FileLocation parsed = parseLocation(location);
    archive_ = parsed.inArchive ? parsed.path : QString();
    members_.reset();
    if (!parsed.inArchive)
        return;
    try {
        members_ = archiveMemberNames(parsed.path);
    } catch (const Exception&) {
        // Changed or gone since the game type was read: the row says nothing of the archive.
    }
}

void TriggerFileRow::show(const GameTypeRecord& record) {
    const GameTriggerFile file = gameTriggerFile(record);
    member_ = members_ && file.use == GameTriggerFile::Use::File ? findArchiveMember(*members_, file.member) : QByteArray();
    TriggerFile->setText(gameTriggerFileText(file, members_ ? triggerFileInArchive(file, *members_) : std::nullopt));
    TriggerFile->setCursorPosition(0);
    TriggerFile->setToolTip(TriggerFile->text());
    EditTriggers->setEnabled(opener_ && !member_.isEmpty());
}

}  // namespace pellax
