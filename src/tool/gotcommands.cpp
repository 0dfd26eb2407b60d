#include "tool/gotcommands.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "got/gamecheck.h"
#include "got/gametriggerfile.h"
#include "got/gotfile.h"
#include "got/mainformbinding.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fieldedit.h"
#include "tool/fileloop.h"
#include "tool/gotformat.h"
#include "tool/gotjson.h"
#include "tool/toolhelp.h"

#include <QHash>

#include <optional>
#include <vector>

namespace pellax {

namespace {

const QString kExtension = QStringLiteral("got");
const QString kSet = QStringLiteral("got set");

// One object of got show --json is well under a kilobyte; more than this, in
// MiB, is not one, and is not read into memory whole.
constexpr qsizetype kJsonLimitMiB = 1;

// got set --json FILE JSON: the whole file from the object alone.
int gotSetJson(const CommandArgs& parsed, Console& console) {
    if (parsed.has("--new"))
        throw UsageError(kSet, QStringLiteral("--json gives every byte of the file: --new has no place beside it"));
    if (parsed.operands.size() != 2)
        throw UsageError(kSet, QStringLiteral("expected got set --json FILE JSON, JSON being - for standard input"));
    const QString target = parsed.operands[0];
    const QString source = parsed.operands[1];
    if (isFolder(target))
        throw UsageError(kSet, QStringLiteral("--json needs the name of the file to write, not a folder"));
    GameTypeRecord record;
    try {
        record = recordFromJson(console.readSource(source, kSet, kJsonLimitMiB, "one object of got show --json"),
                                sourceName(source));
    } catch (const UsageError&) {
        throw;
    } catch (...) {
        console.fileError(sourceName(source), std::current_exception());
        return 1;
    }
    FileOperands files;
    files.files = QStringList{target};
    return forEachFile(files, console, [&](const QString& file) { writeGotFile(file, record); });
}

// The line got show ends a game type's block with: the trigger file the game
// plays it with, and for a member of an archive whether that file is there.
// Archives are listed once for all their members.
class TriggerFileLines {
public:
    QString line(const QString& file, const GameTypeRecord& record) {
        const GameTriggerFile trigger = gameTriggerFile(record);
        const FileLocation location = parseLocation(file);
        std::optional<bool> inArchive;
        if (location.inArchive && trigger.use == GameTriggerFile::Use::File) {
            auto members = members_.find(location.path);
            if (members == members_.end())
                members = members_.insert(location.path, archiveMemberNames(location.path));
            inArchive = triggerFileInArchive(trigger, *members);
        }
        return QStringLiteral("trigger file: ") + gameTriggerFileText(trigger, inArchive) + QLatin1Char('\n');
    }

private:
    QHash<QString, QList<QByteArray>> members_;
};

int gotShow(const CommandArgs& parsed, Console& console) {
    const bool json = parsed.has("--json");
    bool first = true;
    bool anyNotGameType = false;
    TriggerFileLines triggerFiles;
    const int status = forEachFile(expandFolders(parsed.operands, kExtension), console, [&](const QString& file) {
        const GameFileImage image = readGameFileImage(file);
        const GameTypeRecord record = recordOf(image);
        if (json) {
            console.print(gotShowJson(file, record));
        } else {
            // Blocks of several files are kept apart by an empty line.
            console.print((first ? QString() : QStringLiteral("\n")) + gotShowText(file, record) +
                          triggerFiles.line(file, record));
            first = false;
        }
        // Shown all the same, as a look at what it holds; but a script must
        // not take it for a game type.
        for (const QString& finding : gameFileTypeFindings(image.start, image.size)) {
            console.notice(file, finding);
            anyNotGameType = true;
        }
    });
    return anyNotGameType ? 1 : status;
}

int gotSet(const CommandArgs& parsed, Console& console) {
    if (parsed.has("--json"))
        return gotSetJson(parsed, console);
    const QString target = parsed.operands.first();
    // Every argument is checked before any file is touched.
    std::vector<FieldEdit> edits;
    for (const QString& argument : parsed.operands.mid(1))
        edits.push_back(parseFieldEdit(argument));
    checkEditsAgree(edits);

    const bool fresh = parsed.has("--new");
    if (fresh && isFolder(target))
        throw UsageError(kSet, QStringLiteral("--new needs the name of the file to make, not a folder"));
    FileOperands files;
    if (fresh)
        files.files = QStringList{target};
    else
        files = expandFolders({target}, kExtension);

    return forEachFile(files, console, [&](const QString& file) {
        // As in the editor: New or Load, the typing, then Save, which writes
        // only what was changed; the game fields no control shows go last.
        GameTypeRecord record;
        if (fresh)
            applyNewDefaults(record);
        else
            record = readGotFile(file);
        const GameTypeFields shown = fieldsFromRecord(record);
        GameTypeFields fields = shown;
        for (const FieldEdit& edit : edits)
            applyFieldEdit(fields, edit);
        fieldsToRecord(fields, record, &shown);
        for (const FieldEdit& edit : edits)
            applyGameEdit(record, edit);
        writeGotFile(file, record);
    });
}

int gotCheck(const CommandArgs& parsed, Console& console) {
    bool anyFinding = false;
    const int status = forEachFile(expandFolders(parsed.operands, kExtension), console, [&](const QString& file) {
        const GameFileImage image = readGameFileImage(file);
        for (const QString& finding : gameFileFindings(image.start, image.size)) {
            console.print(file + QStringLiteral(": ") + finding + QLatin1Char('\n'));
            anyFinding = true;
        }
    });
    return anyFinding ? 1 : status;
}

}  // namespace

CommandGroup gotCommands() {
    return {"got", {}, {
        {"show", {{"[--json] FILE...", "every field of game-type files"}}, {{"--json"}}, helpSection("got show"), gotShow},
        {"set", {{"[--new] FILE [field=value...]", "change fields and save, as the editor would"},
                 {"--json FILE JSON", "write FILE from an object of got show --json"}},
         {{"--new"}, {"--json"}}, helpSection("got set"), gotSet},
        {"check", {{"FILE...", "why the game would skip or misread files"}}, {}, helpSection("got check"), gotCheck},
    }};
}

}  // namespace pellax
