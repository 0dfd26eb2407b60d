#pragma once

#include "tool/arguments.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pellax {

class Console;

// One line of a command's synopsis: what follows "pellax-tool GROUP NAME",
// and what the list of commands in --help says of it.
struct Usage {
    const char* operands;
    const char* summary;
};

// One command of pellax-tool ("got show"): the command line is parsed, --help
// written and the manual page made from the table of them.
struct Command {
    const char* name;  // after the group's name: "show"
    std::vector<Usage> usages;
    std::vector<OptionSpec> options;
    // What its --help says below the usage (helpSection); empty where its group's help tells it.
    QString help;
    // Given the operands after the command's name; the exit status.
    int (*run)(const CommandArgs& args, Console& console) = nullptr;
    // Fewer operands, or more (-1: any), are refused before `run`: "no FILE given".
    qsizetype minOperands = 1;
    qsizetype maxOperands = -1;
};

// The commands that share a first word ("got"), and the help they share.
// Each group is made in the file of its commands; tool.cpp lists the groups.
struct CommandGroup {
    const char* name;
    // For the commands without help of their own, below the usages of them all.
    QString help;
    std::vector<Command> commands;
};

// Every group of the tool, in the order --help lists them.
const std::vector<CommandGroup>& commandGroups();

// "got show"
QString commandName(const CommandGroup& group, const Command& command);

// What the command line asks: the group's and command's help, or the
// command, once its options and operand count are checked. UsageError for a
// command line that names no command, or is wrong for the one it names.
int runCommandLine(const QStringList& args, Console& console);

}  // namespace pellax
