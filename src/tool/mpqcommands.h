#pragma once

namespace pellax {

struct CommandGroup;

// mpq list ARCHIVE...: the members each archive can name.
CommandGroup mpqCommands();

}  // namespace pellax
