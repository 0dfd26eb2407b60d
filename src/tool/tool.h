#pragma once

#include <QStringList>

namespace pellax {

class Console;

// The whole of pellax-tool: the arguments after the program's name in, the
// exit status out (0 success, 1 any failure or a wrong command line).
int runTool(const QStringList& args, Console& console);

}  // namespace pellax
