#include "tool/mpqcommands.h"

#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "tool/arguments.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "tool/toolhelp.h"

namespace pellax {

int mpqCommand(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("mpq");
    const CommandArgs parsed = parseCommandArgs(command, args, {});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("list?"));
    if (parsed.operands.first() != QLatin1String("list"))
        throw UsageError(command, QStringLiteral("unknown command \"%1\"").arg(parsed.operands.first()));
    FileOperands archives;
    archives.files = parsed.operands.mid(1);
    if (archives.files.isEmpty())
        throw UsageError(command, QStringLiteral("no ARCHIVE given"));
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

}  // namespace pellax
