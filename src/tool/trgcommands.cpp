#include "tool/trgcommands.h"

#include "tool/arguments.h"
#include "tool/console.h"
#include "tool/toolhelp.h"
#include "trigger/triggerconvert.h"

namespace pellax {

int trgCommand(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("trg");
    const CommandArgs parsed = parseCommandArgs(command, args, {});
    if (parsed.help) {
        console.print(helpText(command));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(command, QStringLiteral("strip or add?"));
    const QString mode = parsed.operands.first();
    if (mode != QLatin1String("strip") && mode != QLatin1String("add"))
        throw UsageError(command, QStringLiteral("unknown command \"%1\"").arg(mode));
    const QStringList operands = parsed.operands.mid(1);
    if (operands.isEmpty())
        throw UsageError(command, QStringLiteral("no FILE given"));

    const bool strip = mode == QLatin1String("strip");
    int status = 0;
    for (const QString& file : expandFolders(operands, QStringLiteral("trg")).files) {
        try {
            // The editor tells this in a plain message box, not as an error:
            // the source already has what add would give it.
            if (convertTriggerFile(strip, file, triggerOutputName(file)) == TriggerCopyOutcome::AlreadyHasHeader)
                console.notice(file, alreadyHasHeaderText());
        } catch (...) {
            console.fileError(file, std::current_exception());
            status = 1;
        }
    }
    return status;
}

}  // namespace pellax
