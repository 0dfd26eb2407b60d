#include "tool/commandtable.h"

#include "tool/console.h"
#include "tool/toolhelp.h"

#include <QRegularExpression>

#include <algorithm>

namespace pellax {

namespace {

bool isHelp(const QString& arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

QString fullName(const CommandGroup& group, const Command& command) {
    return QStringLiteral("%1 %2").arg(QLatin1String(group.name), QLatin1String(command.name));
}

// "show, set or check"
QString alternatives(const QStringList& names) {
    QStringList rest = names;
    const QString last = rest.takeLast();
    return rest.isEmpty() ? last : rest.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// The options of every command of the group, so that one parse serves them
// all and an option in the wrong command is told as such.
std::vector<OptionSpec> groupOptions(const CommandGroup& group) {
    std::vector<OptionSpec> options;
    for (const Command& command : group.commands) {
        for (const OptionSpec& option : command.options) {
            if (std::none_of(options.begin(), options.end(),
                             [&](const OptionSpec& known) { return qstrcmp(known.name, option.name) == 0; }))
                options.push_back(option);
        }
    }
    return options;
}

bool hasOption(const Command& command, const QString& name) {
    return std::any_of(command.options.begin(), command.options.end(),
                       [&](const OptionSpec& option) { return name == QLatin1String(option.name); });
}

void checkOptions(const CommandGroup& group, const Command& command, const CommandArgs& args, const QString& topic) {
    for (const auto& [name, value] : args.options) {
        if (hasOption(command, name))
            continue;
        QStringList owners;
        for (const Command& other : group.commands) {
            if (hasOption(other, name))
                owners.append(fullName(group, other));
        }
        throw UsageError(topic, QStringLiteral("%1 belongs to %2").arg(name, alternatives(owners)));
    }
}

void checkOperandCount(const CommandGroup& group, const Command& command, const CommandArgs& args,
                       const QString& topic) {
    const qsizetype count = args.operands.size();
    const QString usage = QLatin1String(command.usages.front().operands);
    if (count == 0 && command.minOperands > 0) {
        const QRegularExpressionMatch first = QRegularExpression(QStringLiteral("\\b[A-Z]+\\b")).match(usage);
        throw UsageError(topic, QStringLiteral("no %1 given").arg(first.captured()));
    }
    if (count < command.minOperands || (command.maxOperands >= 0 && count > command.maxOperands))
        throw UsageError(topic, QStringLiteral("expected %1 %2").arg(fullName(group, command), usage));
}

}  // namespace

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
    const std::vector<CommandGroup>& groups = commandGroups();
    const auto group = std::find_if(groups.begin(), groups.end(),
                                    [&](const CommandGroup& g) { return args.first() == QLatin1String(g.name); });
    if (group == groups.end())
        throw UsageError(QString(), QStringLiteral("unknown command \"%1\"").arg(args.first()));

    const QString groupName = QLatin1String(group->name);
    CommandArgs parsed = parseCommandArgs(groupName, args.mid(1), groupOptions(*group));
    if (parsed.operands.isEmpty()) {
        if (parsed.help) {
            console.print(helpText(&*group));
            return 0;
        }
        QStringList names;
        for (const Command& command : group->commands)
            names.append(QLatin1String(command.name));
        throw UsageError(groupName, alternatives(names) + QLatin1Char('?'));
    }
    const QString name = parsed.operands.takeFirst();
    const auto command = std::find_if(group->commands.begin(), group->commands.end(),
                                      [&](const Command& c) { return name == QLatin1String(c.name); });
    if (command == group->commands.end())
        throw UsageError(groupName, QStringLiteral("unknown command \"%1\"").arg(name));
    // Errors name the help that explains them: the command's own, else its group's.
    const QString topic = command->help ? fullName(*group, *command) : groupName;
    if (parsed.help) {
        console.print(helpText(&*group, &*command));
        return 0;
    }
    checkOptions(*group, *command, parsed, topic);
    checkOperandCount(*group, *command, parsed, topic);
    return command->run(parsed, console);
}

}  // namespace pellax
