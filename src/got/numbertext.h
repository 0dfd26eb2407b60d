#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace pellax {

// Text-to-integer conversion of the numeric fields: leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits after "$", "x", "X" or "0x".
// Anything else, or a value outside the signed 32-bit range, gives nothing.
std::optional<std::int32_t> parseInt32(QStringView text);

// The same, 0 for anything that does not convert.
std::int32_t textToInt(QStringView text);

// The minerals field holds an unsigned 32-bit value: it accepts everything
// parseInt32 does (negatives wrap) and also 2147483648..4294967295, decimal or
// hexadecimal up to $FFFFFFFF. 0 for anything else.
std::uint32_t textToUInt32(QStringView text);

}  // namespace pellax
