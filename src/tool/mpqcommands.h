#pragma once

#include <QStringList>

namespace pellax {

class Console;

// pellax-tool mpq list ARCHIVE...: the members each archive can name.
int mpqCommand(const QStringList& args, Console& console);

}  // namespace pellax
