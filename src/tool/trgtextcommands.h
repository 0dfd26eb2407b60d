#pragma once

#include <QStringList>

namespace pellax {

class Console;

// The trigger commands that read triggers, given the arguments after their
// names: `trg show`, `trg set`, `trg import` and `trg check`; the exit status.
int trgShow(const QStringList& args, Console& console);
int trgSet(const QStringList& args, Console& console);
int trgImport(const QStringList& args, Console& console);
int trgCheck(const QStringList& args, Console& console);

}  // namespace pellax
