#pragma once

namespace pellax {

struct CommandGroup;

// trg strip and trg add, the trigger-file header, and the commands that read
// triggers (trgtextcommands.h).
CommandGroup trgCommands();

}  // namespace pellax
