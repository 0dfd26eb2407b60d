#include "tool/tool.h"

#include "framework/files/exception.h"
#include "tool/arguments.h"
#include "tool/console.h"
#include "tool/gotcommands.h"
#include "tool/lstcommands.h"
#include "tool/mpqcommands.h"
#include "tool/toolhelp.h"
#include "tool/trgcommands.h"

namespace pellax {

namespace {

bool isHelp(const QString& arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

int runGot(const QStringList& args, Console& console) {
    const QString command = QStringLiteral("got");
    if (args.isEmpty())
        throw UsageError(command, QStringLiteral("show, set or check?"));
    if (isHelp(args.first())) {
        console.print(helpText(command));
        return 0;
    }
    if (args.first() == QLatin1String("show"))
        return gotShow(args.mid(1), console);
    if (args.first() == QLatin1String("set"))
        return gotSet(args.mid(1), console);
    if (args.first() == QLatin1String("check"))
        return gotCheck(args.mid(1), console);
    throw UsageError(command, QStringLiteral("unknown command \"%1\"").arg(args.first()));
}

int dispatch(const QStringList& args, Console& console) {
    if (args.isEmpty())
        throw UsageError(QString(), QStringLiteral("no command given"));
    const QString& command = args.first();
    if (isHelp(command)) {
        console.print(helpText(QString()));
        return 0;
    }
    if (command == QLatin1String("--version")) {
        console.print(QStringLiteral("pellax-tool %1\n").arg(QLatin1String(PELLAX_VERSION)));
        return 0;
    }
    if (command == QLatin1String("got"))
        return runGot(args.mid(1), console);
    if (command == QLatin1String("trg"))
        return trgCommand(args.mid(1), console);
    if (command == QLatin1String("lst"))
        return lstCommand(args.mid(1), console);
    if (command == QLatin1String("mpq"))
        return mpqCommand(args.mid(1), console);
    throw UsageError(QString(), QStringLiteral("unknown command \"%1\"").arg(command));
}

}  // namespace

int runTool(const QStringList& args, Console& console) {
    int status = 1;
    try {
        status = dispatch(args, console);
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
