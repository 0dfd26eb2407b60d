#include "tool/toolhelp.h"

#include "tool/commandtable.h"

#include <QRegularExpression>
#include <QStringList>

#include <stdexcept>
#include <string>

namespace pellax {

// data/help/pellax-tool.txt, built into the program.
extern const char kHelpTexts[];

namespace {

// The tool's own help, after the list of commands; each a section of the manual page.
constexpr const char* kSections[] = {"FOLDERS", "ARCHIVES", "EXIT STATUS"};

// One text of --help: a command's own, or the one its group's commands share.
struct Topic {
    QString name;
    QStringList usages;  // "got show [--json] FILE..."
    QString help;
};

std::vector<Topic> topicsOf(const CommandGroup& group) {
    std::vector<Topic> topics;
    Topic shared{QLatin1String(group.name), {}, group.help};
    for (const Command& command : group.commands) {
        Topic& topic = command.help.isEmpty() ? shared : topics.emplace_back(Topic{commandName(group, command), {}, command.help});
        for (const Usage& usage : command.usages)
            topic.usages.append(commandName(group, command) + QLatin1Char(' ') + QLatin1String(usage.operands));
    }
    if (!shared.help.isEmpty())
        topics.insert(topics.begin(), shared);
    return topics;
}

QString topicText(const Topic& topic) {
    return QStringLiteral("Usage: pellax-tool ") + topic.usages.join(QStringLiteral("\n       pellax-tool ")) +
           QStringLiteral("\n\n") + topic.help + QLatin1Char('\n');
}

QString toolHelp() {
    constexpr int kSummaryColumn = 36;
    QString text = QStringLiteral("Usage: pellax-tool COMMAND [ARGUMENT...]\n"
                                  "       pellax-tool --help | --version\n\n") +
                   helpSection("DESCRIPTION") + QStringLiteral("\n\nCommands:\n");
    QStringList topics;
    for (const CommandGroup& group : commandGroups()) {
        for (const Command& command : group.commands) {
            for (const Usage& usage : command.usages) {
                const QString line = QStringLiteral("  %1 %2").arg(commandName(group, command), QLatin1String(usage.operands));
                text += line.size() < kSummaryColumn - 1 ? line.leftJustified(kSummaryColumn)
                                                         : line + QLatin1Char('\n') + QString(kSummaryColumn, u' ');
                text += QLatin1String(usage.summary) + QLatin1Char('\n');
            }
        }
        for (const Topic& topic : topicsOf(group))
            topics.append(topic.name);
    }
    for (const char* section : kSections)
        text += QLatin1Char('\n') + helpSection(section) + QLatin1Char('\n');
    const QString first = topics.takeFirst();
    return text + QStringLiteral("\n\"pellax-tool %1 --help\" (or %2) tells more.\n").arg(first, topics.join(QStringLiteral(", ")));
}

// Text as roff reads it: a backslash, a minus and a leading dot or quote
// would otherwise be taken as its own.
QString roffEscaped(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\e")).replace(QLatin1Char('-'), QLatin1String("\\-"));
    return text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')) ? QLatin1String("\\&") + text : text;
}

// Usage lines, the tool's name and options in bold, the words a user replaces in italics.
QString roffUsages(const QStringList& usages) {
    static const QRegularExpression kToken(QStringLiteral("(-{1,2}[a-z][a-z-]*)|\\b([A-Z]+|field|value)\\b"));
    QString out = QStringLiteral(".nf\n");
    for (const QString& usage : usages) {
        const qsizetype words = usage.indexOf(QRegularExpression(QStringLiteral(" [^a-z]")));
        out += QStringLiteral("\\fBpellax\\-tool %1\\fR").arg(roffEscaped(usage.left(words)));
        qsizetype at = words;
        for (auto it = kToken.globalMatch(usage, words); it.hasNext();) {
            const QRegularExpressionMatch token = it.next();
            out += roffEscaped(usage.mid(at, token.capturedStart() - at)) +
                   (token.capturedLength(1) ? QLatin1String("\\fB") : QLatin1String("\\fI")) +
                   roffEscaped(token.captured()) + QLatin1String("\\fR");
            at = token.capturedEnd();
        }
        out += roffEscaped(usage.mid(at)) + QLatin1Char('\n');
    }
    return out + QStringLiteral(".fi\n");
}

// Paragraphs as --help writes them: prose is filled, a paragraph with any
// indented line (a list, an example) is kept line for line.
QString roffParagraphs(const QString& text) {
    QString out;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        const bool asIs = paragraph.startsWith(u' ') || paragraph.contains(QStringLiteral("\n "));
        out += asIs ? QStringLiteral(".PP\n.nf\n") : QStringLiteral(".PP\n");
        for (const QString& line : paragraph.split(QLatin1Char('\n')))
            out += roffEscaped(line) + QLatin1Char('\n');
        out += asIs ? QStringLiteral(".fi\n") : QString();
    }
    return out;
}

}  // namespace

QString helpSection(const char* name) {
    static const QString texts = QString::fromUtf8(kHelpTexts);
    const QString head = QStringLiteral("\n== %1\n").arg(QLatin1String(name));
    const qsizetype from = texts.indexOf(head);
    if (from < 0)
        throw std::logic_error(std::string("data/help/pellax-tool.txt has no text of ") + name);
    const qsizetype end = texts.indexOf(QStringLiteral("\n\n== "), from + head.size());
    return texts.mid(from + head.size(), end < 0 ? texts.size() - from - head.size() - 1 : end - from - head.size());
}

QString helpText(const CommandGroup* group, const Command* command) {
    if (!group)
        return toolHelp();
    QStringList texts;
    for (const Topic& topic : topicsOf(*group)) {
        const bool covers =
            !command || topic.name == (command->help.isEmpty() ? QLatin1String(group->name) : commandName(*group, *command));
        if (covers)
            texts.append(topicText(topic));
    }
    return texts.join(QLatin1Char('\n'));
}

QString manualPage() {
    QString page = QStringLiteral(".TH PELLAX-TOOL 1 \"December 2026\" \"Pellax %1\" \"User Commands\"\n.SH NAME\n"
                                  "pellax\\-tool \\- check and change Pellax's files from the command line\n.SH SYNOPSIS\n")
                       .arg(QLatin1String(PELLAX_VERSION));
    QStringList usages;
    QString commands;
    for (const CommandGroup& group : commandGroups()) {
        for (const Topic& topic : topicsOf(group)) {
            usages += topic.usages;
            commands += QStringLiteral(".SS \"%1\"\n").arg(topic.name) + roffUsages(topic.usages) +
                        roffParagraphs(topic.help);
        }
    }
    page += roffUsages(usages) + QStringLiteral(".nf\n\\fBpellax\\-tool\\fR (\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR)\n.fi\n");
    page += QStringLiteral(".SH DESCRIPTION\n") + roffParagraphs(helpSection("DESCRIPTION")) + QStringLiteral(".SH COMMANDS\n") +
            commands;
    for (const char* section : kSections)
        page += QStringLiteral(".SH %1\n").arg(QLatin1String(section)) + roffParagraphs(helpSection(section));
    return page + QStringLiteral(".SH SEE ALSO\n.BR pellax (1)\n");
}

}  // namespace pellax
