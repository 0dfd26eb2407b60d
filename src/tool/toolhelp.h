#pragma once

#include <QString>

namespace pellax {

struct Command;
struct CommandGroup;

// What --help says: of the tool (no group), of a group (every command of it),
// or of one command (its group's help where it has none of its own). Made
// from the table of commands, as the manual page is.
QString helpText(const CommandGroup* group = nullptr, const Command* command = nullptr);

// pellax-tool's manual page, in roff: the same texts as --help, in sections.
QString manualPage();

// The text under "== NAME" in data/help/pellax-tool.txt, which holds every
// text of --help: a command's ("got show"), a group's ("trg"), or a section
// of the tool's own ("DESCRIPTION").
QString helpSection(const char* name);

}  // namespace pellax
