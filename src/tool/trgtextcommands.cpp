#include "tool/trgtextcommands.h"

#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "trigger/scenariosections.h"
#include "trigger/triggercheck.h"
#include "trigger/triggerjson.h"
#include "trigger/triggerrecord.h"
#include "trigger/triggertext.h"

namespace pellax {

namespace {

constexpr const char* kShowHelp = R"(Prints the triggers of each trigger file as text, in the form map editors
show triggers in, so that they can be pasted into a map editor and back:

  Trigger("Player 1","Player 2"){
  Conditions:
      Command("Current Player", "Buildings", At most, 0);

  Actions:
      Defeat();
  }

  //-----------------------------------------------------------------//

Each condition and action is on a line of its own, after a tab: its type's
name with its arguments, by the game's names where it has them and as
numbers where not. Players, groups, unit types, locations ("Location 3",
"Anywhere", "None"), switches ("Switch 1" is the first) and string numbers
("String 5": a trigger file has no string table) are in double quotes. A disabled condition or action begins
with ";". A trigger with flags ends in "Flags:" and a line of the 32 bits in
binary; a player byte other than 1 is written "Player 1":5; a type the game
does not know, or an empty slot before a used one, is written Custom(...)
with the numbers of all its fields in the order of its bytes. Bytes that a
type does not use but that are not 0 follow its arguments by name
(Location=5, Flags=0x12), and an index of the current action other than 0
comes as "Current Action:" and the number, so that trg set writes the same
bytes back. Several files each begin with a comment line "// ==> FILE <==".

--json  one line of JSON per file instead: {"file": FILE, "triggers": [...]}
        with each trigger as {"players": {"Player 1": 1, ...}, "flags": N,
        "currentAction": N, "conditions": [...], "actions": [...]} and each
        condition and action as {"type": N, "name": NAME, FIELD: N...}, its
        fields named location, player, number, unit, comparison, resource,
        flags, unused (conditions) or location, text, sound, time, player,
        number, unit, modifier, flags, unused (actions). The lists end at the
        last slot that is not all 0.

A file that is not 8 bytes of header and whole triggers of 2400 bytes is
reported, and shown as nothing.)";

constexpr const char* kSetHelp = R"(Writes the trigger file FILE from triggers as text, as trg show prints them
(or a map editor's text view), read from the file TEXT, or from standard
input for -. FILE is replaced in one step; it may be a member of an archive.

Names are read without regard to case or spaces ("at most", "AtMost"), and
other tools' spellings too: P1 for "Player 1", >=, <=, ==, setto, sub,
cleared, minerals, both, enabled, disabled, the second unit names, "Commands
the Most At", "Leaderboard Greed". A number may stand for any value, and may
be hexadecimal (0x1F). Lines that begin with // are comments.

Text that does not compile gets every error on standard error, as
"TEXT:LINE:COLUMN: expected ...", and nothing is written; the exit status
is 1.

--json  read one object as trg show --json writes it instead. A key left out
        is 0 (or no slot, no player); a slot may give its type by "type" (a
        number or a name) or "name". An unknown key, a wrong type or a number
        out of range is reported with its place (triggers[2].actions[0].
        player), and nothing is written.

Any valid trigger file comes back byte for byte:
  pellax-tool trg show a.trg | pellax-tool trg set b.trg -
  pellax-tool trg show --json a.trg | pellax-tool trg set --json b.trg -)";

constexpr const char* kImportHelp = R"(Writes the trigger file FILE (the 8-byte header, then the triggers) from the
triggers of a map: the TRIG section of its scenario. MAP is a bare scenario
when its name ends in .chk, else an MPQ archive holding
staredit\scenario.chk (.scm, .scx), loose or a member of an archive.

A map whose sections claim a negative size or more bytes than there are,
that ends inside a section's name and size, that has no TRIG section or
more than one, or whose TRIG section is not a whole number of triggers
(2400 bytes each) gets a message saying so, and nothing is written.)";

constexpr const char* kCheckHelp = R"(Tells, for each trigger file, everything in it that the game cannot use,
one "FILE: finding" line each, on standard output:
  - a file that is not the 8-byte header followed by whole triggers;
  - a condition type above 23, or an action type above 59;
  - a unit type above 232, or a player or group above 26, where a condition
    or action takes one;
  - a trigger that runs for no player or group.
Empty slots are not judged; disabled conditions and actions are. Files the
game can use print nothing. The exit status is 1 when any file has a
finding or could not be read, else 0.)";

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
        {"show", {{"[--json] FILE...", "the triggers of trigger files, as text"}}, {{"--json"}}, kShowHelp, show},
        {"set", {{"FILE TEXT", "write FILE from triggers as text"}, {"--json FILE JSON", "write FILE from triggers as JSON"}},
         {{"--json"}}, kSetHelp, set, 2, 2},
        {"import", {{"MAP FILE", "write FILE from the triggers of a map"}}, {}, kImportHelp, import, 2, 2},
        {"check", {{"FILE...", "what in trigger files the game cannot use"}}, {}, kCheckHelp, check},
    };
}

}  // namespace pellax
