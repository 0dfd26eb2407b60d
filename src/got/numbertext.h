#pragma once

#include <QStringView>

#include <cstdint>

namespace pellax {

// Text-to-integer conversion of the numeric fields: leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits after "$", "x", "X" or "0x".
// Anything else, or a value outside the signed 32-bit range, gives 0.
std::int32_t textToInt(QStringView text);

// The minerals field holds an unsigned 32-bit value: it accepts everything
// textToInt does (negatives wrap) and also 2147483648..4294967295, decimal or
// hexadecimal up to $FFFFFFFF. 0 for anything else.
std::uint32_t textToUInt32(QStringView text);

}  // namespace pellax
