#include "tool/commandtable.h"

#include "tool/console.h"
#include "tool/toolhelp.h"

#include <QRegularExpression>

#include <algorithm>

namespace pellax {

namespace {

bool isHelp(const QString& arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

bool hasOption(const Command& command, const QString& name) {
    return std::any_of(command.options.begin(), command.options.end(),
                       [&](const OptionSpec& option) { return name == QLatin1String(option.name); });
}

// "show, set or check"
QString orList(QStringList names) {
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

template <class T>
const T* named(const std::vector<T>& entries, const QString& name) {
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const T& e) { return name == QLatin1String(e.name); });
    return it == entries.end() ? nullptr : &*it;
}

}  // namespace

QString commandName(const CommandGroup& group, const Command& command) {
    return QStringLiteral("%1 %2").arg(QLatin1String(group.name), QLatin1String(command.name));
}

int runCommandLine(const QStringList& args, Console& console) {
    if (args.isEmpty())
        throw UsageError(QString(), QStringLiteral("no command given"));
    if (isHelp(args.first())) {
        console.print(helpText());
        return 0;
    }
    if (args.first() == QLatin1String("--version")) {
        console.print(QStringLiteral("pellax-tool %1\n").arg(QLatin1String(PELLAX_VERSION)));
        return 0;
    }
    const CommandGroup* group = named(commandGroups(), args.first());
    if (!group)
        throw UsageError(QString(), QStringLiteral("unknown command \"%1\"").arg(args.first()));

    // One parse for the whole group: options may stand before the command's
    // name, and one given to the wrong command is told as such.
    const QString groupName = QLatin1String(group->name);
    std::vector<OptionSpec> options;
    QStringList names;
    for (const Command& command : group->commands) {
        options.insert(options.end(), command.options.begin(), command.options.end());
        names.append(QLatin1String(command.name));
    }
    CommandArgs parsed = parseCommandArgs(groupName, args.mid(1), options);
    if (parsed.operands.isEmpty() && parsed.help) {
        console.print(helpText(group));
        return 0;
    }
    if (parsed.operands.isEmpty())
        throw UsageError(groupName, orList(names) + QLatin1Char('?'));
    const QString name = parsed.operands.takeFirst();
    const Command* command = named(group->commands, name);
    if (!command)
        throw UsageError(groupName, QStringLiteral("unknown command \"%1\"").arg(name));
    // Errors name the help that explains them: the command's own, else its group's.
    const QString topic = command->help.isEmpty() ? groupName : commandName(*group, *command);
    if (parsed.help) {
        console.print(helpText(group, command));
        return 0;
    }
    for (const auto& [option, value] : parsed.options) {
        if (hasOption(*command, option))
            continue;
        QStringList owners;
        for (const Command& other : group->commands) {
            if (hasOption(other, option))
                owners.append(commandName(*group, other));
        }
        throw UsageError(topic, QStringLiteral("%1 belongs to %2").arg(option, orList(owners)));
    }
    const qsizetype count = parsed.operands.size();
    const QString usage = QLatin1String(command->usages.front().operands);
    if (count == 0 && command->minOperands > 0)
        throw UsageError(topic, QStringLiteral("no %1 given")
                                    .arg(QRegularExpression(QStringLiteral("\\b[A-Z]+\\b")).match(usage).captured()));
    if (count < command->minOperands || (command->maxOperands >= 0 && count > command->maxOperands))
        throw UsageError(topic, QStringLiteral("expected %1 %2").arg(commandName(*group, *command), usage));
    return command->run(parsed, console);
}

}  // namespace pellax
