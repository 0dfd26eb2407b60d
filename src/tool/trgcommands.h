#pragma once

#include <QStringList>

namespace pellax {

class Console;

// `trg strip` and `trg add`, given the arguments after "trg", and the commands of
// trgtextcommands.h; the exit status.
int trgCommand(const QStringList& args, Console& console);

}  // namespace pellax
