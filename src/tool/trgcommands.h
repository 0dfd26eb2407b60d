#pragma once

namespace pellax {

struct CommandGroup;

// trg strip and trg add: the trigger-file header.
CommandGroup trgCommands();

}  // namespace pellax
