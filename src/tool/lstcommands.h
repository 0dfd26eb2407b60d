#pragma once

#include <QStringList>

namespace pellax {

class Console;

// `lst show|add|delete|normalize`, given the arguments after "lst"; the exit status.
int lstCommand(const QStringList& args, Console& console);

}  // namespace pellax
