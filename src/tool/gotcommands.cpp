#include "tool/gotcommands.h"

#include "got/gametypefields.h"
#include "got/gotfile.h"
#include "tool/arguments.h"
#include "tool/console.h"
#include "tool/fieldedit.h"
#include "tool/fileloop.h"
#include "tool/gotformat.h"
#include "tool/toolhelp.h"

#include <vector>

namespace pellax {

namespace {

const QString kExtension = QStringLiteral("got");
const QString kSet = QStringLiteral("got set");

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
    bool first = true;
    return forEachFile(expandFolders(parsed.operands, kExtension), console, [&](const QString& file) {
        const GameTypeRecord record = readGotFile(file);
        if (json) {
            console.print(gotShowJson(file, record));
        } else {
            // Blocks of several files are kept apart by an empty line.
            console.print((first ? QString() : QStringLiteral("\n")) + gotShowText(file, record));
            first = false;
        }
    });
}

int gotSet(const QStringList& args, Console& console) {
    const CommandArgs parsed = parseCommandArgs(kSet, args, {{"--new"}});
    if (parsed.help) {
        console.print(helpText(kSet));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(kSet, QStringLiteral("no FILE given"));
    const QString target = parsed.operands.first();
    // Every argument is checked before any file is touched.
    std::vector<FieldEdit> edits;
    for (const QString& argument : parsed.operands.mid(1))
        edits.push_back(parseFieldEdit(argument));

    const bool fresh = parsed.has("--new");
    if (fresh && isFolder(target))
        throw UsageError(kSet, QStringLiteral("--new needs the name of the file to make, not a folder"));
    FileOperands files;
    if (fresh)
        files.files = QStringList{target};
    else
        files = expandFolders({target}, kExtension);

    return forEachFile(files, console, [&](const QString& file) {
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
    });
}

}  // namespace pellax
