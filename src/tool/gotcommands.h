#pragma once

#include <QStringList>

namespace pellax {

class Console;

// `got show` and `got set`, given the arguments after their name. The result
// is the exit status: 0 when every file went through, 1 otherwise.
int gotShow(const QStringList& args, Console& console);
int gotSet(const QStringList& args, Console& console);

}  // namespace pellax
