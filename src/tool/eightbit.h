#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace pellax {

// The first character of a text that cannot go into the program's 8-bit files
// as it is: it has no byte in their character set (Windows-1252), so it would
// be saved as '?', or its byte is one the field reads another way.
struct BadCharacter {
    qsizetype index = -1;  // in UTF-16 units; -1 when there is none
    char32_t codePoint = 0;
    std::optional<std::uint8_t> byte;  // empty when the character has no byte
};

// `allowed` says which bytes the field can hold; null for every byte.
BadCharacter firstBadCharacter(QStringView text, bool (*allowed)(std::uint8_t) = nullptr);

// How a message names a character whose byte is refused: byte 3 (\x03).
QString describe(const BadCharacter& bad);

// Why a character without a byte cannot be saved: ""Ω" (U+03A9), which
// Windows-1252, the files' character set, has no byte for", or "byte 0xE9,
// which is not UTF-8 text" for a byte of the command line that stands for no
// character.
QString noByteReason(const BadCharacter& bad);

}  // namespace pellax
