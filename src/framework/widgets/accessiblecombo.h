#pragma once

namespace pellax {

// On Linux Qt names an editable combo box after its text, so a screen reader
// would read "Default, combo box" for the colour field. Installs an accessible
// interface for editable combo boxes that is named by their accessible name
// (when one is set) and keeps the text as the value. Call once, after the
// QApplication exists and before any window is built.
void installComboBoxNames();

}  // namespace pellax
