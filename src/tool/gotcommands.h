#pragma once

#include <QStringList>

namespace pellax {

class Console;

// `got show` and `got set`, given the arguments after their name. The result
// is the exit status: 0 when every file went through, 1 otherwise.
int gotShow(const QStringList& args, Console& console);
int gotSet(const QStringList& args, Console& console);
// `got check`: "FILE: reason" on standard output for each reason the game
// would skip or misread a file; 1 when any file has one or could not be read.
int gotCheck(const QStringList& args, Console& console);

}  // namespace pellax
