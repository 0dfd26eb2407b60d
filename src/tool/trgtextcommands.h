#pragma once

#include <vector>

namespace pellax {

struct Command;

// The trigger commands that read triggers: trg show, trg set, trg import and
// trg check, for the "trg" group of the table of commands (trgcommands.h).
std::vector<Command> trgTextCommands();

}  // namespace pellax
