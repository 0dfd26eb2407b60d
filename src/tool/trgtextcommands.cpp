#include "tool/trgtextcommands.h"

#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"
#include "tool/arguments.h"
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
// below this; more is not read into memory.
constexpr qsizetype kSourceLimit = qsizetype{512} * 1024 * 1024;

QString sourceName(const QString& source) {
    return source == QLatin1String("-") ? QStringLiteral("standard input") : source;
}

// The text or JSON from a file, or from standard input for "-".
QByteArray readText(const QString& command, const QString& source, Console& console) {
    const QByteArray bytes = readSource(source, console, kSourceLimit);
    if (bytes.size() > kSourceLimit)
        throw UsageError(command, QStringLiteral("%1: more than 512 MiB, not the triggers of one file").arg(sourceName(source)));
    return bytes;
}

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

}  // namespace

int trgShow(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("trg show");
    const CommandArgs parsed = parseCommandArgs(command, args, {{"--json"}});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("no FILE given"));
    const bool json = parsed.has("--json");
    const FileOperands files = expandFolders(parsed.operands, kExtension);
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

int trgSet(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("trg set");
    const CommandArgs parsed = parseCommandArgs(command, args, {{"--json"}});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    const bool json = parsed.has("--json");
    if (parsed.operands.size() != 2)
        throw UsageError(command, json ? QStringLiteral("expected trg set --json FILE JSON, JSON being - for standard input")
                                       : QStringLiteral("expected trg set FILE TEXT, TEXT being - for standard input"));
    const QString target = targetOf(command, parsed.operands[0]);
    const QString source = parsed.operands[1];
    TriggerList triggers;
    try {
        const QByteArray bytes = readText(command, source, console);
        if (json) {
            triggers = triggersFromJson(bytes);
        } else {
            CompiledTriggers compiled = compileTriggerText(QString::fromUtf8(bytes));
            // Every error, where an editor's "file:line:column:" finds it; nothing is written.
            for (const TriggerTextError& error : compiled.errors)
                console.error(QStringLiteral("%1:%2:%3: %4").arg(sourceName(source)).arg(error.line).arg(error.column).arg(error.message));
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

int trgImport(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("trg import");
    const CommandArgs parsed = parseCommandArgs(command, args, {});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.size() != 2)
        throw UsageError(command, QStringLiteral("expected trg import MAP FILE"));
    const QString map = parsed.operands[0];
    const QString target = targetOf(command, parsed.operands[1]);
    TriggerList triggers;
    try {
        triggers = readMapTriggers(map);
    } catch (...) {
        console.fileError(map, std::current_exception());
        return 1;
    }
    return writeTriggers(target, triggers, console);
}

int trgCheck(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("trg check");
    const CommandArgs parsed = parseCommandArgs(command, args, {});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("no FILE given"));
    bool anyFinding = false;
    const int status = forEachFile(expandFolders(parsed.operands, kExtension), console, [&](const QString& file) {
        for (const QString& finding : triggerFileFindings(readWholeFile(file))) {
            console.print(file + QStringLiteral(": ") + finding + QLatin1Char('\n'));
            anyFinding = true;
        }
    });
    return anyFinding ? 1 : status;
}

}  // namespace pellax
