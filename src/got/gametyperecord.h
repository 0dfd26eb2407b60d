#pragma once

#include "got/gametypeschema.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>

namespace pellax {

// Where the two texts lie, from the schema.
namespace gto {
inline constexpr std::size_t Name = gameField(GameFieldId::Name).offset;
inline constexpr std::size_t VariationName = gameField(GameFieldId::VariationName).offset;
inline constexpr std::size_t TextFieldSize = gameField(GameFieldId::Name).size;
inline constexpr std::size_t MaxTextLength = TextFieldSize - 1;
static_assert(gameField(GameFieldId::VariationName).size == TextFieldSize);
}  // namespace gto

// The 96-byte image of the start of a game-type file, edited in place so that
// bytes whose meaning the editor does not know survive an edit.
struct GameTypeRecord {
    static constexpr std::size_t Size = 96;
    std::array<std::uint8_t, Size> bytes{};

    std::uint8_t at(std::size_t offset) const { return bytes.at(offset); }
    void set(std::size_t offset, std::uint8_t value) { bytes.at(offset) = value; }
    std::uint32_t minerals() const { return value(gameField(GameFieldId::ResourceValue)); }
    // A little-endian number of 1 to 4 bytes.
    std::uint32_t number(std::size_t offset, std::size_t size) const;
    // The same of any width: a write keeps the value's low bytes, and the
    // bytes beyond its four are 0.
    void setNumber(std::size_t offset, std::size_t size, std::uint32_t value);
    std::uint32_t value(const GameField& field) const { return number(field.offset, field.size); }
    void setValue(const GameField& field, std::uint32_t v) { setNumber(field.offset, field.size, v); }

    friend bool operator==(const GameTypeRecord&, const GameTypeRecord&) = default;
};

// What "New GOT File" writes: each field's value on New; the others keep theirs.
void applyNewDefaults(GameTypeRecord& record);

// The 32 bytes of the name field from the name text and the colour selection:
// 0 regular colour, 1..8 a colour code, -1 no selection.
void encodeName(GameTypeRecord& record, QStringView text, int colorIndex);
// The 32 bytes of the variation-name field.
void encodeVariationName(GameTypeRecord& record, QStringView text);

// Whether a byte of the name field reads back as a character of the name:
// bytes 0 to 10 are its colour code and zero fill, which decoding skips, so a
// name holding one would come back as another colour or another name.
constexpr bool isNameCharacter(std::uint8_t byte) noexcept { return byte > 10; }
// The same for the variation name, where only the zero fill is skipped.
constexpr bool isVariationNameCharacter(std::uint8_t byte) noexcept { return byte != 0; }

// The colour selection to show: the colour code 1..8, else 0.
int decodeColorSelection(const GameTypeRecord& record);
// Every name byte above 10, in order: drops the colour code and the zero fill.
QString decodeName(const GameTypeRecord& record);
// Every non-zero variation-name byte, in order.
QString decodeVariationName(const GameTypeRecord& record);

}  // namespace pellax
