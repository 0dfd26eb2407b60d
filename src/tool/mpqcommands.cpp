#include "tool/mpqcommands.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "tool/toolhelp.h"

namespace pellax {

namespace {

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
    return {"mpq", helpSection("mpq"), {{"list", {{"ARCHIVE...", "the members of MPQ archives the tool can name"}}, {}, {}, list}}};
}

}  // namespace pellax
