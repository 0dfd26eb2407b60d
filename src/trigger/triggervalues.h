#pragma once

#include "trigger/outputbuffer.h"
#include "trigger/triggernames.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace pellax {

// The values of a condition's or action's arguments as the text form writes
// and reads them.

// Appends the text of `value` as an argument of `kind`: a name where the
// kind's table has one, in double quotes for players, groups, units,
// locations ("Location 3"), switches ("Switch 1" for the switch stored as 0),
// strings ("String 5") and scripts ("TMCu"); else the number. Takes at most
// kLongestArgument characters.
void appendArgumentValue(TextBuffer& out, ArgKind kind, std::uint32_t value);
inline constexpr qsizetype kLongestArgument = 64;

// The value an argument's text gives a kind, within `maximum`: a name (read as
// nameKey reads it), or a number; nothing when it gives none. A quoted text of
// four characters is a script's code, a bare number its number.
std::optional<std::uint32_t> argumentValue(ArgKind kind, QStringView text, bool quoted, std::uint32_t maximum);

// A number as the text form writes it: decimal digits, or hexadecimal after
// 0x; nothing when it is not one or is above `maximum`.
std::optional<std::uint32_t> parseTriggerNumber(QStringView text, std::uint32_t maximum);

}  // namespace pellax
