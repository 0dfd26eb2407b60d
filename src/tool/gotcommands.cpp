#include "tool/gotcommands.h"

#include "framework/files/inputfile.h"
#include "framework/files/ioerror.h"
#include "got/gamecheck.h"
#include "got/mainformbinding.h"
#include "got/gotfile.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fieldedit.h"
#include "tool/fileloop.h"
#include "tool/gotformat.h"
#include "tool/gotjson.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

namespace pellax {

namespace {

constexpr const char* kShowHelp = R"(Shows every field of each game-type file as the editor shows it after Load.

For each file a "file: PATH" line, then one "name: value" line per control
of the editor, named as the control is, in the editor's tab order:
  gametypename, colorbox, descripname, varsetting, varnum, position,
  Canally, defaultmin, isenabled, Gametype, playability, numteams,
  minerals, Gametypesetting
then one line per field of the game that no control shows exactly:
  resources (the resource type), unitstats, fog, startpositions, cheats,
  tournament, victoryvalue
Edits show their text, combo boxes the text of their item (nothing when
none is selected), check boxes "checked" or "unchecked", game fields the
game's name of their value, or its number where the game names none.
Control characters and backslashes are written as \xNN and \\. An empty
line comes between files.

A file that is not 97 bytes long, or whose first byte is not 3, is not a
game type: it is shown all the same, then standard error tells why the game
skips it, in got check's words ("The file is 189093 bytes long, not 97: the
game skips it."), and the exit status is 1. Its other values are got
check's business.

--json  one line of JSON per file instead, with the key "file" and one key
        per control and game field: texts as they are, numbers as numbers,
        combo boxes as {"index": N, "text": ITEM} (index -1: no selection),
        check boxes as true or false, game fields with named values as
        {"value": N, "name": NAME} (NAME "" where the game names none);
        "carried" and "gaps" hold the bytes that no field covers, in hex,
        keyed by offset: {"0x00": "03", "0x42": "01", ...}. Where a control
        shows its bytes only in part (a name with bytes after its zero fill,
        a flag byte 2, a combo box value beyond its items), "exact" holds
        those bytes as they are, keyed by offset. got set --json writes a
        file from such an object.)";

constexpr const char* kSetHelp = R"(Loads FILE, changes its fields as typing into the editor would and saves it
as the editor's Save does: 97 bytes, of which only the fields changed are
written; every other byte stays as it was. The file is replaced in one
step, and not written at all when anything fails. A folder as FILE changes
each of its .got files in the same way.

--new   start from what "New GOT File" sets instead of loading FILE (the
        bytes it does not set are 0); FILE is made, or replaced.

Fields, named as in got show (in any case), are changed in the order given:
  edits        the value as typed. gametypename and descripname hold at most
               31 characters, and refuse a character that the files'
               character set (Windows-1252) has no byte for; gametypename
               refuses bytes 1 to 10, which the file reads as the name's
               colour: set that with colorbox. varsetting, varnum,
               position, numteams and minerals keep only their digits, as
               the editor's filter does (a1b2 gives 12). Gametypesetting
               takes any text, hexadecimal too ($1F). Malformed numbers are
               saved as 0; varsetting and minerals are 32-bit, the others
               bytes that keep their low 8 bits (300 is saved as 44).
  combo boxes  colorbox, Gametype, playability: the item's number, 0 for the
               first, or its text as shown (case and blanks around it do not
               matter): Gametype=2 or 'Gametype=Workers and town hall'
  check boxes  Canally, defaultmin, isenabled: 1, true or checked; 0, false
               or unchecked
  game fields  resources, unitstats, fog, startpositions, cheats,
               tournament: the value's number or the game's name for it, in
               any case (fog=on, startpositions=fixed, 'resources=fixed
               value'); victoryvalue a number, 0 to 4294967295. They are
               written as given, after the controls.
A wrong field or value is reported before any file is touched, and so are
two fields that give one byte different values (defaultmin=1 resources=0).

As in the editor, a change of minerals unchecks defaultmin ("Use default
minerals"): give defaultmin=1 after minerals=..., or resources=N, to keep
the resource type. varnum is saved only while isenabled is checked, else 0.
Without any field=value the file is saved as Load and Save would leave it.

Example:
  pellax-tool got set maps/rush.got 'gametypename=Zerg rush' colorbox=3 fog=on

--json  write FILE from one JSON object as got show --json writes it, read
        from the file JSON, or from standard input for -. The object gives
        the whole file: it must hold every control and game field,
        "carried" and "gaps" with all their offsets ("file" may be there
        and is not used; "exact" may be), so FILE need not exist and its
        old content plays no part. A missing or unknown field, a wrong
        type, a number out of range or bad hex is reported, naming the
        field, and nothing is written. The values are set as the controls
        would hold them (minerals does not uncheck defaultmin here), so any
        97-byte file whose last byte is 0 comes back byte for byte, and an
        edited key changes only its bytes:
          pellax-tool got show --json a.got |
            pellax-tool got set --json b.got -
        Combo boxes take "index" (-1 for none), "text" or both alike; game
        fields "value", "name" or both alike, or the number or name alone;
        numbers are whole, 0 to 255 (varsetting and minerals 0 to
        4294967295); check boxes true or false; names refuse what the edits
        above refuse. Where "exact" gives a control's bytes, they are kept
        unless that control shows otherwise, which counts as an edit.
        defaultmin and resources must agree: checked with a resource type
        other than 0, unchecked with 0.)";

constexpr const char* kCheckHelp = R"(Tells, for each game-type file, every reason the game would skip or misread
it, one "FILE: reason" line each, on standard output:
  - the size is not 97 bytes, or the first byte is not 3: the game skips it;
  - the game type ID is 129 or more, or the variation ID 8 or more: the
    game skips it;
  - a field holds a value the game does not know (fog of war 9, team mode
    1, ...); for the game type ID only the limit above counts;
  - victory conditions "Resources" or "Slaughter" with a variation value the
    game has no trigger for (2500, 5000, 7500 or 10000 resources; 15, 30,
    45 or 60 minutes).
Files the game reads as they stand print nothing. The exit status is 1 when
any file has a finding or could not be read, else 0.)";

const QString kExtension = QStringLiteral("got");
const QString kSet = QStringLiteral("got set");

// One object of got show --json is well under a kilobyte; more than this is
// not one, and is not read into memory whole.
constexpr qsizetype kJsonLimit = 1024 * 1024;

// The JSON text from a file, or from standard input for "-". A file the user
// names may be a pipe as well, such as the shell's <(pellax-tool got show --json a.got).
QByteArray readJson(const QString& source, Console& console) {
    QByteArray json;
    if (source == QLatin1String("-")) {
        json = console.readInput(kJsonLimit);
    } else {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath(source).constData(), "rbe"),
                                                                   &std::fclose);
        if (!file)
            EInOutError::raiseErrno(errno);
        json = readAtMost(file.get(), kJsonLimit);
    }
    if (json.size() > kJsonLimit)
        throw UsageError(kSet, QStringLiteral("%1: more than 1 MiB, not one object of got show --json")
                                   .arg(source == QLatin1String("-") ? QStringLiteral("standard input") : source));
    return json;
}

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
    const QString sourceName = source == QLatin1String("-") ? QStringLiteral("standard input") : source;
    GameTypeRecord record;
    try {
        record = recordFromJson(readJson(source, console), sourceName);
    } catch (const UsageError&) {
        throw;
    } catch (...) {
        console.fileError(sourceName, std::current_exception());
        return 1;
    }
    FileOperands files;
    files.files = QStringList{target};
    return forEachFile(files, console, [&](const QString& file) { writeGotFile(file, record); });
}

int gotShow(const CommandArgs& parsed, Console& console) {
    const bool json = parsed.has("--json");
    bool first = true;
    bool anyNotGameType = false;
    const int status = forEachFile(expandFolders(parsed.operands, kExtension), console, [&](const QString& file) {
        const GameFileImage image = readGameFileImage(file);
        const GameTypeRecord record = recordOf(image);
        if (json) {
            console.print(gotShowJson(file, record));
        } else {
            // Blocks of several files are kept apart by an empty line.
            console.print((first ? QString() : QStringLiteral("\n")) + gotShowText(file, record));
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
    return {"got", nullptr, {
        {"show", {{"[--json] FILE...", "every field of game-type files"}}, {{"--json"}}, kShowHelp, gotShow},
        {"set", {{"[--new] FILE [field=value...]", "change fields and save, as the editor would"},
                 {"--json FILE JSON", "write FILE from an object of got show --json"}},
         {{"--new"}, {"--json"}}, kSetHelp, gotSet},
        {"check", {{"FILE...", "why the game would skip or misread files"}}, {}, kCheckHelp, gotCheck},
    }};
}

}  // namespace pellax
