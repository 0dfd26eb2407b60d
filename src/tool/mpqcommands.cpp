#include "tool/mpqcommands.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fileloop.h"

namespace pellax {

namespace {

constexpr const char* kHelp = R"(Lists the members of each MPQ archive that the tool can name, one a line,
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
damaged one, or a member that cannot be decompressed or decrypted, in words.)";

int list(const CommandArgs& args, Console& console) {
    FileOperands archives;
    archives.files = args.operands;
    const bool headers = archives.files.size() > 1;
    bool first = true;
    return forEachFile(archives, console, [&](const QString& archive) {
        QString text;
        if (headers) {
            text = (first ? QString() : QStringLiteral("\n")) + QStringLiteral("==> ") + archive + QStringLiteral(" <==\n");
            first = false;
        }
        for (const QByteArray& member : archiveMemberNames(archive))
            text += memberText(member) + QLatin1Char('\n');
        console.print(text);
    });
}

}  // namespace

CommandGroup mpqCommands() {
    return {"mpq", kHelp, {{"list", {{"ARCHIVE...", "the members of MPQ archives the tool can name"}}, {}, nullptr, list}}};
}

}  // namespace pellax
