#include "trigger/triggercommands.h"

#include "framework/widgets/filedialog.h"
#include "framework/windows/archivechoice.h"
#include "trigger/triggerfile.h"

namespace pellax {

namespace {

void convertChosenFile(TOpenDialog& opentrigs, QWidget* parent, bool strip, const QString& title) {
    // The dialog is shared: each command sets its own title and leaves it there.
    opentrigs.Title = title;
    if (!opentrigs.Execute(parent))
        return;
    const std::optional<QString> location =
        openLocationFor(opentrigs.FileName, {QStringLiteral("trg"), QStringLiteral("Trigger files")}, parent);
    if (location)
        CopyTriggerFile(strip, *location);
}

}  // namespace

void Stripheader1Click(TOpenDialog& opentrigs, QWidget* parent) {
    convertChosenFile(opentrigs, parent, true, QStringLiteral("Select trigger file to strip header from"));
}

void Addheader1Click(TOpenDialog& opentrigs, QWidget* parent) {
    convertChosenFile(opentrigs, parent, false, QStringLiteral("Select trigger file to add header to"));
}

}  // namespace pellax
