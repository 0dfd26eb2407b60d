#include "tool/toolhelp.h"

#include "tool/commandtable.h"

#include <QRegularExpression>
#include <QStringList>

namespace pellax {

namespace {

// What the tool's own help says, each text a section of the manual page.
struct Section {
    const char* title;
    const char* text;
};

constexpr Section kAbout = {"DESCRIPTION", R"(Checks and changes Pellax's files in scripts, by the editor's own rules:
game types (.got), trigger files (.trg) and template lists (.lst).)"};

constexpr Section kSections[] = {
    {"FOLDERS", R"(A folder may stand wherever FILE does, for its files with the command's
extension (.got, .trg or .lst, in any case), sorted by name; its subfolders
and hidden files are not searched, and a folder without any such file is a
failure. Put "--" before a FILE or ENTRY that begins with "-": nothing after
it is taken as an option. File names are taken byte for byte, UTF-8 or not.)"},
    {"ARCHIVES", R"(A member of an MPQ archive may stand wherever FILE does, written
mpq:ARCHIVE::MEMBER (mpq:mods/mod.mpq::templates\Melee.got), and
mpq:ARCHIVE:: for every member of the command's kind in the archive, or
mpq:ARCHIVE::FOLDER\ for those under one of its folders. A loose file whose
name begins with "mpq:" is written ./mpq:... "pellax-tool mpq --help" tells
more.)"},
    {"EXIT STATUS", R"(Failures go to standard error with the texts the editor shows ("File not
found." ...). Every file is tried; the exit status is 1 when anything failed,
nothing was there to do, got show was given a file that is not a game type,
a check found something, text or JSON did not compile, or the command line
was wrong, else 0. Nothing is written for a file when
anything about it failed, and every write replaces its file in one step.
When the reader of standard output goes away (a pipe into head), the tool
stops quietly; that alone is no failure.)"},
};

constexpr int kSummaryColumn = 36;

QString fullName(const CommandGroup& group, const Command& command) {
    return QStringLiteral("%1 %2").arg(QLatin1String(group.name), QLatin1String(command.name));
}

// The commands a help topic covers: one with help of its own, or those of the
// group that have none.
std::vector<const Command*> topicCommands(const CommandGroup& group, const Command* command) {
    if (command && command->help)
        return {command};
    std::vector<const Command*> commands;
    for (const Command& c : group.commands) {
        if (!c.help)
            commands.push_back(&c);
    }
    return commands;
}

QString usageLines(const CommandGroup& group, const std::vector<const Command*>& commands) {
    QString text;
    for (const Command* command : commands) {
        for (const Usage& usage : command->usages) {
            text += text.isEmpty() ? QStringLiteral("Usage: ") : QStringLiteral("       ");
            text += QStringLiteral("pellax-tool %1 %2\n").arg(fullName(group, *command), QLatin1String(usage.operands));
        }
    }
    return text;
}

// A command's help, or the help its group's commands share.
QString topicText(const CommandGroup& group, const Command* command) {
    const std::vector<const Command*> commands = topicCommands(group, command);
    const char* help = command && command->help ? command->help : group.help;
    return usageLines(group, commands) + QLatin1Char('\n') + QLatin1String(help) + QLatin1Char('\n');
}

// Every help topic of the tool: each group with help of its own, and each
// command with help of its own.
std::vector<std::pair<const CommandGroup*, const Command*>> topics() {
    std::vector<std::pair<const CommandGroup*, const Command*>> all;
    for (const CommandGroup& group : commandGroups()) {
        if (group.help)
            all.emplace_back(&group, nullptr);
        for (const Command& command : group.commands) {
            if (command.help)
                all.emplace_back(&group, &command);
        }
    }
    return all;
}

QString topicName(const CommandGroup& group, const Command* command) {
    return command ? fullName(group, *command) : QLatin1String(group.name);
}

QString toolHelp() {
    QString text = QStringLiteral("Usage: pellax-tool COMMAND [ARGUMENT...]\n"
                                  "       pellax-tool --help | --version\n\n") +
                   QLatin1String(kAbout.text) + QStringLiteral("\n\nCommands:\n");
    for (const CommandGroup& group : commandGroups()) {
        for (const Command& command : group.commands) {
            for (const Usage& usage : command.usages) {
                const QString line = QStringLiteral("  %1 %2").arg(fullName(group, command), QLatin1String(usage.operands));
                text += line.size() < kSummaryColumn - 1 ? line.leftJustified(kSummaryColumn)
                                                         : line + QLatin1Char('\n') + QString(kSummaryColumn, u' ');
                text += QLatin1String(usage.summary) + QLatin1Char('\n');
            }
        }
    }
    for (const Section& section : kSections)
        text += QLatin1Char('\n') + QLatin1String(section.text) + QLatin1Char('\n');
    QStringList names;
    for (const auto& [group, command] : topics())
        names.append(topicName(*group, command));
    const QString first = names.takeFirst();
    return text + QStringLiteral("\n\"pellax-tool %1 --help\" (or %2) tells more.\n").arg(first, names.join(QStringLiteral(", ")));
}

// Text as roff reads it: a backslash, a minus and a leading dot or quote
// would otherwise be taken as its own.
QString roffEscaped(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\e")).replace(QLatin1Char('-'), QLatin1String("\\-"));
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QLatin1String("\\&"));
    return out;
}

// Options in bold, the words a user replaces in italics.
QString roffOperands(const QString& operands) {
    static const QRegularExpression kToken(QStringLiteral("(-{1,2}[a-z][a-z-]*)|\\b([A-Z]+|field|value)\\b"));
    QString out;
    qsizetype at = 0;
    for (auto it = kToken.globalMatch(operands); it.hasNext();) {
        const QRegularExpressionMatch token = it.next();
        out += roffEscaped(operands.mid(at, token.capturedStart() - at));
        out += (token.capturedLength(1) ? QLatin1String("\\fB") : QLatin1String("\\fI")) + roffEscaped(token.captured()) +
               QLatin1String("\\fR");
        at = token.capturedEnd();
    }
    return out + roffEscaped(operands.mid(at));
}

QString roffUsages(const CommandGroup& group, const std::vector<const Command*>& commands) {
    QString text = QStringLiteral(".nf\n");
    for (const Command* command : commands) {
        for (const Usage& usage : command->usages)
            text += QStringLiteral("\\fBpellax\\-tool %1\\fR %2\n")
                        .arg(roffEscaped(fullName(group, *command)), roffOperands(QLatin1String(usage.operands)));
    }
    return text + QStringLiteral(".fi\n");
}

// Paragraphs as --help writes them: prose is filled, a paragraph with any
// indented line (a list, an example) is kept line for line.
QString roffParagraphs(const QString& text) {
    QString out;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'));
        const bool asIs = std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith(u' '); });
        out += asIs ? QStringLiteral(".PP\n.nf\n") : QStringLiteral(".PP\n");
        for (const QString& line : lines)
            out += roffEscaped(line) + QLatin1Char('\n');
        if (asIs)
            out += QStringLiteral(".fi\n");
    }
    return out;
}

}  // namespace

QString helpText(const CommandGroup* group, const Command* command) {
    if (!group)
        return toolHelp();
    if (command)
        return topicText(*group, command);
    // The group's own help, then that of each command that has its own.
    QStringList parts;
    if (group->help)
        parts.append(topicText(*group, nullptr));
    for (const Command& c : group->commands) {
        if (c.help)
            parts.append(topicText(*group, &c));
    }
    return parts.join(QLatin1Char('\n'));
}

QString manualPage() {
    QString page = QStringLiteral(".TH PELLAX-TOOL 1 \"December 2026\" \"Pellax %1\" \"User Commands\"\n"
                                  ".SH NAME\n"
                                  "pellax\\-tool \\- check and change Pellax's files from the command line\n"
                                  ".SH SYNOPSIS\n")
                       .arg(QLatin1String(PELLAX_VERSION));
    for (const CommandGroup& group : commandGroups()) {
        std::vector<const Command*> commands;
        for (const Command& command : group.commands)
            commands.push_back(&command);
        page += roffUsages(group, commands);
    }
    page += QStringLiteral(".nf\n\\fBpellax\\-tool\\fR (\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR)\n.fi\n");
    page += QStringLiteral(".SH %1\n").arg(QLatin1String(kAbout.title)) + roffParagraphs(QLatin1String(kAbout.text));
    page += QStringLiteral(".SH COMMANDS\n");
    for (const auto& [group, command] : topics()) {
        page += QStringLiteral(".SS \"%1\"\n").arg(topicName(*group, command)) +
                roffUsages(*group, topicCommands(*group, command)) +
                roffParagraphs(QLatin1String(command ? command->help : group->help));
    }
    for (const Section& section : kSections)
        page += QStringLiteral(".SH %1\n").arg(QLatin1String(section.title)) + roffParagraphs(QLatin1String(section.text));
    return page + QStringLiteral(".SH SEE ALSO\n.BR pellax (1)\n");
}

}  // namespace pellax
