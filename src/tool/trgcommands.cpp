#include "tool/trgcommands.h"

#include "tool/arguments.h"
#include "tool/console.h"
#include "tool/fileloop.h"
#include "tool/toolhelp.h"
#include "tool/trgtextcommands.h"
#include "trigger/triggerconvert.h"

namespace pellax {

int trgCommand(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("trg");
    // The commands that read triggers take options of their own.
    if (!args.isEmpty()) {
        const QString& sub = args.first();
        if (sub == QLatin1String("show"))
            return trgShow(args.mid(1), console);
        if (sub == QLatin1String("set"))
            return trgSet(args.mid(1), console);
        if (sub == QLatin1String("import"))
            return trgImport(args.mid(1), console);
        if (sub == QLatin1String("check"))
            return trgCheck(args.mid(1), console);
    }
    const CommandArgs parsed = parseCommandArgs(command, args, {});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("show, set, import, check, strip or add?"));
    const QString mode = parsed.operands.first();
    if (mode != QLatin1String("strip") && mode != QLatin1String("add"))
        throw UsageError(command, QStringLiteral("unknown command \"%1\"").arg(mode));
    const QStringList operands = parsed.operands.mid(1);
    if (operands.isEmpty())
        throw UsageError(command, QStringLiteral("no FILE given"));

    const bool strip = mode == QLatin1String("strip");
    bool anyNotice = false;
    const int status = forEachFile(expandFolders(operands, QStringLiteral("trg")), console, [&](const QString& file) {
        // The editor tells this in a plain message box, not as an error: the
        // source already has what add would give it. Still nothing was
        // written, which a script must be able to tell.
        if (convertTriggerFile(strip, file, triggerOutputName(file)) == TriggerCopyOutcome::AlreadyHasHeader) {
            console.notice(file, alreadyHasHeaderText());
            anyNotice = true;
        }
    });
    return anyNotice ? 1 : status;
}

}  // namespace pellax
