#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace pellax {

// The 8-bit character set of the program's files: Windows-1252. The five byte
// values that code page leaves undefined map to the Unicode characters of the
// same value, so every byte survives a round trip through text.
QChar ansiToChar(std::uint8_t byte) noexcept;

// The byte of a Unicode code point, or nothing when the set has no such character.
std::optional<std::uint8_t> charToAnsi(char32_t codePoint) noexcept;

QString decodeAnsi(QByteArrayView bytes);

// One byte per character (code point); a character without a byte becomes '?'.
QByteArray encodeAnsi(QStringView text);

// The same into `out`, which must hold text.size() bytes; returns the bytes written.
qsizetype encodeAnsiTo(QStringView text, char* out);

}  // namespace pellax
