#include "tool/gotcommands.h"

#include "got/gametypefields.h"
#include "got/gotfile.h"
#include "tool/arguments.h"
#include "tool/console.h"
#include "tool/fieldedit.h"
#include "tool/gotformat.h"
#include "tool/toolhelp.h"

#include <QFileInfo>

#include <vector>

namespace pellax {

namespace {

const QString kExtension = QStringLiteral("got");

}  // namespace

int gotShow(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("got show");
    const CommandArgs parsed = parseCommandArgs(command, args, {{"--json"}});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("no FILE given"));
    const bool json = parsed.has("--json");
    int status = 0;
    bool first = true;
    for (const QString& file : expandFolders(parsed.operands, kExtension).files) {
        try {
            const GameTypeRecord record = readGotFile(file);
            if (json) {
                console.print(gotShowJson(file, record));
            } else {
                // Blocks of several files are kept apart by an empty line.
                console.print((first ? QString() : QStringLiteral("\n")) + gotShowText(file, record));
                first = false;
            }
        } catch (...) {
            console.fileError(file, std::current_exception());
            status = 1;
        }
    }
    return status;
}

int gotSet(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("got set");
    const CommandArgs parsed = parseCommandArgs(command, args, {{"--new"}});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("no FILE given"));
    const QString target = parsed.operands.first();
    // Every argument is checked before any file is touched.
    std::vector<FieldEdit> edits;
    for (const QString& argument : parsed.operands.mid(1))
        edits.push_back(parseFieldEdit(argument));

    const bool fresh = parsed.has("--new");
    if (fresh && QFileInfo(target).isDir())
        throw UsageError(command, QStringLiteral("--new needs the name of the file to make, not a folder"));
    const QStringList files = fresh ? QStringList{target} : expandFolders({target}, kExtension).files;

    int status = 0;
    for (const QString& file : files) {
        try {
            // As in the editor: New or Load, the typing, then Save.
            GameTypeRecord record;
            if (fresh)
                applyNewDefaults(record);
            else
                record = readGotFile(file);
            GameTypeFields fields = fieldsFromRecord(record);
            for (const FieldEdit& edit : edits)
                applyFieldEdit(fields, edit);
            fieldsToRecord(fields, record);
            writeGotFile(file, record);
        } catch (...) {
            console.fileError(file, std::current_exception());
            status = 1;
        }
    }
    return status;
}

}  // namespace pellax
