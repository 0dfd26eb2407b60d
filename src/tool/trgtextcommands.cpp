#include "tool/trgtextcommands.h"

#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "tool/toolhelp.h"
#include "trigger/scenariosections.h"
#include "trigger/triggercheck.h"
#include "trigger/triggerjson.h"
#include "trigger/triggerrecord.h"
#include "trigger/triggertext.h"

namespace pellax {

namespace {

const QString kExtension = QStringLiteral("trg");

// The text or JSON of the largest trigger file the game could hold is far
// below this many MiB; more is not read into memory.
constexpr qsizetype kSourceLimitMiB = 512;

// The one file a command writes: a name, not a folder.
QString targetOf(const QString& command, const QString& target) {
    if (isFolder(target))
        throw UsageError(command, QStringLiteral("%1 is a folder: give the name of the trigger file to write").arg(target));
    return target;
}

int writeTriggers(const QString& target, const TriggerList& triggers, Console& console) {
    FileOperands files;
    files.files = QStringList{target};
    return forEachFile(files, console, [&](const QString& file) { writeWholeFile(file, triggerFileBytes(triggers)); });
}

int show(const CommandArgs& args, Console& console) {
    const bool json = args.has("--json");
    const FileOperands files = expandFolders(args.operands, kExtension);
    // Several files are told apart by a comment line, which the text form skips.
    const bool several = files.anyFolder || files.files.size() > 1;
    return forEachFile(files, console, [&](const QString& file) {
        const TriggerList triggers = triggersFromFile(readWholeFile(file));
        if (json) {
            console.print(triggersToJson(triggers, file));
            return;
        }
        if (several)
            console.print(QStringLiteral("// ==> %1 <==\n").arg(file));
        // The text holds names and numbers only, no file name: UTF-8 as it is.
        console.print(triggersToText(triggers).toUtf8());
    });
}

int set(const CommandArgs& args, Console& console) {
    const QString command = QStringLiteral("trg set");
    const bool json = args.has("--json");
    const QString target = targetOf(command, args.operands[0]);
    const QString source = args.operands[1];
    TriggerList triggers;
    try {
        const QByteArray bytes = console.readSource(source, command, kSourceLimitMiB, "the triggers of one file");
        if (json) {
            triggers = triggersFromJson(bytes);
        } else {
            CompiledTriggers compiled = compileTriggerText(QString::fromUtf8(bytes));
            // Every error, where an editor's "file:line:column:" finds it; nothing is written.
            for (const TriggerTextError& error : compiled.errors)
                console.error(QStringLiteral("%1:%2:%3: %4")
                                  .arg(sourceName(source), QString::number(error.line), QString::number(error.column),
                                       error.message));
            if (!compiled.ok())
                return 1;
            triggers = std::move(compiled.triggers);
        }
    } catch (const UsageError&) {
        throw;
    } catch (...) {
        console.fileError(sourceName(source), std::current_exception());
        return 1;
    }
    return writeTriggers(target, triggers, console);
}

int import(const CommandArgs& args, Console& console) {
    const QString map = args.operands[0];
    const QString target = targetOf(QStringLiteral("trg import"), args.operands[1]);
    TriggerList triggers;
    try {
        triggers = readMapTriggers(map);
    } catch (...) {
        console.fileError(map, std::current_exception());
        return 1;
    }
    return writeTriggers(target, triggers, console);
}

int check(const CommandArgs& args, Console& console) {
    bool anyFinding = false;
    const int status = forEachFile(expandFolders(args.operands, kExtension), console, [&](const QString& file) {
        for (const QString& finding : triggerFileFindings(readWholeFile(file))) {
            console.print(file + QStringLiteral(": ") + finding + QLatin1Char('\n'));
            anyFinding = true;
        }
    });
    return anyFinding ? 1 : status;
}

}  // namespace

std::vector<Command> trgTextCommands() {
    return {
        {"show", {{"[--json] FILE...", "the triggers of trigger files, as text"}}, {{"--json"}}, helpSection("trg show"), show},
        {"set", {{"FILE TEXT", "write FILE from triggers as text"}, {"--json FILE JSON", "write FILE from triggers as JSON"}},
         {{"--json"}}, helpSection("trg set"), set, 2, 2},
        {"import", {{"MAP FILE", "write FILE from the triggers of a map"}}, {}, helpSection("trg import"), import, 2, 2},
        {"check", {{"FILE...", "what in trigger files the game cannot use"}}, {}, helpSection("trg check"), check},
    };
}

}  // namespace pellax
