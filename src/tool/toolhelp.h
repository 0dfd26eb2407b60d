#pragma once

#include <QString>

namespace pellax {

// The --help text of the tool (empty `command`) or of one of its commands:
// "got", "got show", "got set", "trg", "lst".
QString helpText(const QString& command);

}  // namespace pellax
