#pragma once

namespace pellax {

struct CommandGroup;

// lst show, add, delete and normalize: template lists.
CommandGroup lstCommands();

}  // namespace pellax
