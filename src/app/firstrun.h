#pragma once

#include <QString>

namespace pellax {

// Where the program remembers that it has run: under HKEY_LOCAL_MACHINE.
inline const QString kFirstRunKey = QStringLiteral("SOFTWARE\\Quorvane\\Pellax editor");
inline const QString kFirstRunValue = QStringLiteral("started");

// The first-run check on the settings store: true when the About window is to
// be shown. A value "started" of any type counts as an earlier run; without it,
// it is written (1), and the window is shown. A key that cannot be opened or
// created is not reported (the window is shown at every start); a value that
// cannot be written raises ERegistryException.
bool firstRunShowsAbout();

}  // namespace pellax
