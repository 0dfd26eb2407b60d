#pragma once

namespace pellax {

struct CommandGroup;

// got show, got set and got check.
CommandGroup gotCommands();

}  // namespace pellax
