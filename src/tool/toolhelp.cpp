#include "tool/toolhelp.h"

namespace pellax {

namespace {

constexpr const char* kTool = R"(Usage: pellax-tool COMMAND [ARGUMENT...]
       pellax-tool --help | --version

Checks and changes Pellax's files in scripts, by the editor's own rules:
game types (.got), trigger files (.trg) and template lists (.lst).

Commands:
  got show [--json] FILE...         every field of game-type files
  got set [--new] FILE field=value...
                                    change fields and save, as the editor would
  got set --json FILE JSON          write FILE from an object of got show --json
  got check FILE...                 why the game would skip or misread files
  trg strip FILE...                 copy each file to FILEed without its header
  trg add FILE...                   copy each file to FILEed with the header
  lst show FILE...                  the entries of template lists
  lst add FILE ENTRY                add an entry, quoted as the Add button does
  lst delete FILE ENTRY             delete an entry by its text,
  lst delete --index N FILE         or by its place, 1 being the first
  lst normalize FILE...             rewrite with CR LF line ends
  mpq list ARCHIVE...               the members of MPQ archives the tool can name

A folder may stand wherever FILE does, for its files with the command's
extension (.got, .trg or .lst, in any case), sorted by name; its subfolders
and hidden files are not searched, and a folder without any such file is a
failure. Put "--" before a FILE or ENTRY that begins with "-": nothing after
it is taken as an option. File names are taken byte for byte, UTF-8 or not.

Failures go to standard error with the texts the editor shows ("File not
found." ...). Every file is tried; the exit status is 1 when anything failed,
nothing was there to do, got show was given a file that is not a game type,
or the command line was wrong, else 0. Nothing is written for a file when
anything about it failed, and every write replaces its file in one step.
When the reader of standard output goes away (a pipe into head), the tool
stops quietly; that alone is no failure.

A member of an MPQ archive may stand wherever FILE does, written
mpq:ARCHIVE::MEMBER (mpq:mods/mod.mpq::templates\Melee.got), and
mpq:ARCHIVE:: for every member of the command's kind in the archive, or
mpq:ARCHIVE::FOLDER\ for those under one of its folders. A loose file whose
name begins with "mpq:" is written ./mpq:... "pellax-tool mpq --help" tells
more.

"pellax-tool got show --help" (or got set, got check, trg, lst, mpq) tells more.
)";

constexpr const char* kGotShow = R"(Usage: pellax-tool got show [--json] FILE...

Shows every field of each game-type file as the editor shows it after Load.

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
        file from such an object.
)";

constexpr const char* kGotSet = R"(Usage: pellax-tool got set [--new] FILE [field=value...]
       pellax-tool got set --json FILE JSON

Loads FILE, changes its fields as typing into the editor would and saves it
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

Example: pellax-tool got set maps/rush.got 'gametypename=Zerg rush' colorbox=3 fog=on

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
        other than 0, unchecked with 0.
)";

constexpr const char* kGotCheck = R"(Usage: pellax-tool got check FILE...

Tells, for each game-type file, every reason the game would skip or misread
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
any file has a finding or could not be read, else 0.
)";

constexpr const char* kTrg = R"(Usage: pellax-tool trg strip FILE...
       pellax-tool trg add FILE...

Converts each trigger file into a new file beside it, named as the editor
names it: the source's name with "ed" appended (one.trg gives one.trged).
The source is never changed; an output file of that name is replaced.

strip  drops the first 8 bytes, whatever they are.
add    puts the 8-byte trigger header in front. A file that begins with the
       header already gets no output, and standard error says "File already
       has a header", as the editor's message box does; since nothing was
       written, the exit status is 1.
)";

constexpr const char* kLst = R"(Usage: pellax-tool lst show FILE...
       pellax-tool lst add FILE ENTRY
       pellax-tool lst delete FILE ENTRY
       pellax-tool lst delete --index N FILE
       pellax-tool lst normalize FILE...

Template lists (template.lst): 8-bit text, one entry a line. FILE must
exist; an empty file is an empty list.

show       prints the entries, one a line. With several files or a folder,
           each list begins with a line "==> FILE <==".
add        appends ENTRY as the list window's Add button does: in double
           quotes, putting in the one missing at either end. An entry
           holding CR, LF or byte 26 (which end a line or the list) or a
           character that Windows-1252 has no byte for is refused.
delete     removes the first entry that is ENTRY or, when none is, the first
           that is ENTRY quoted as add would write it (a.got finds "a.got");
           with --index, the Nth entry, 1 being the first.
normalize  rewrites the list as the list window saves it: CR LF after every
           entry, nothing after a Ctrl+Z byte. A list already in that form
           is left alone.

add and delete save the list with CR LF line ends too.
)";

constexpr const char* kMpq = R"(Usage: pellax-tool mpq list ARCHIVE...

Lists the members of each MPQ archive that the tool can name, one a line,
sorted by name: those the archive's listfile names and, with it or without
it, those the game itself looks for: templates\templates.lst and the game
types that list names (each entry without its extension, plus ".got", under
templates\). With several archives, each list comes after a line
"==> ARCHIVE <==".

Every command that takes a FILE takes a member too:
  mpq:ARCHIVE::MEMBER    one member, by its name in the archive (any case,
                         \ or /); a member found neither way above still
                         opens by its name
  mpq:ARCHIVE::          every member of the command's kind (.got, .trg or
                         .lst) that the archive can name
  mpq:ARCHIVE::FOLDER\   those under FOLDER\
The archive is everything between "mpq:" and the last "::". Member names are
the archive's bytes: one that is not UTF-8 is given and shown byte for byte.
A write into an archive is made on a copy beside it, which replaces the
archive in one step when complete, keeping its owner and permissions; on
any failure the archive is as it was. New members are stored like the
member they replace or like the archive's others, and trg writes MEMBERed
into the same archive.

A file that is not an MPQ archive is told as "Not an MPQ archive."; a
damaged one, or a member that cannot be decompressed or decrypted, in words.
)";

}  // namespace

QString helpText(const QString& command) {
    if (command == QLatin1String("mpq"))
        return QString::fromUtf8(kMpq);
    if (command == QLatin1String("got show"))
        return QString::fromUtf8(kGotShow);
    if (command == QLatin1String("got set"))
        return QString::fromUtf8(kGotSet);
    if (command == QLatin1String("got check"))
        return QString::fromUtf8(kGotCheck);
    if (command == QLatin1String("got"))
        return QString::fromUtf8(kGotShow) + QLatin1Char('\n') + QString::fromUtf8(kGotSet) + QLatin1Char('\n') +
               QString::fromUtf8(kGotCheck);
    if (command == QLatin1String("trg"))
        return QString::fromUtf8(kTrg);
    if (command == QLatin1String("lst"))
        return QString::fromUtf8(kLst);
    return QString::fromUtf8(kTool);
}

}  // namespace pellax
