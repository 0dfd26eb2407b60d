#include "tool/tool.h"

#include "framework/files/exception.h"
#include "tool/arguments.h"
#include "tool/commandtable.h"
#include "tool/console.h"
#include "tool/gotcommands.h"
#include "tool/lstcommands.h"
#include "tool/mpqcommands.h"
#include "tool/trgcommands.h"

namespace pellax {

const std::vector<CommandGroup>& commandGroups() {
    static const std::vector<CommandGroup> groups = {gotCommands(), trgCommands(), lstCommands(), mpqCommands()};
    return groups;
}

int runTool(const QStringList& args, Console& console) {
    int status = 1;
    try {
        status = runCommandLine(args, console);
    } catch (const OutputClosed&) {
        // The reader has had what it wanted; only failures before that count.
        status = console.anyFileFailed() ? 1 : 0;
    } catch (const UsageError& e) {
        const QString prefix = e.command().isEmpty() ? QString() : e.command() + QStringLiteral(": ");
        const QString help = e.command().isEmpty() ? QString() : e.command() + QLatin1Char(' ');
        console.error(prefix + e.message());
        console.error(QStringLiteral("see \"pellax-tool %1--help\"").arg(help));
    } catch (...) {
        console.error(errorText(std::current_exception()));
    }
    return console.finish() ? status : 1;
}

}  // namespace pellax
