#pragma once

#include <QString>

namespace pellax {

// Strips the trigger header from `fileName` (strip = true) or adds it (strip =
// false), writing the result beside the source under triggerOutputName. A
// source that already has the header is not converted: the user is told so.
// File errors are raised as EInOutError for the top-level handler.
void CopyTriggerFile(bool strip, const QString& fileName);

}  // namespace pellax
