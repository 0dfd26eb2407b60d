#pragma once

#include "got/gamefieldtable.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>

namespace pellax {

// Byte offsets of the fields the editor's controls show, from the table of the game's fields.
namespace gto {
inline constexpr std::size_t Lead = kLeadOffset;
inline constexpr std::size_t Name = 0x01;
inline constexpr std::size_t VariationName = 0x21;
inline constexpr std::size_t Position = gameField(GameFieldId::GameTypeId).offset;
inline constexpr std::size_t VariationNumber = gameField(GameFieldId::VariationId).offset;
inline constexpr std::size_t VariationSetting = gameField(GameFieldId::VariationValue).offset;
inline constexpr std::size_t InternalSetting = gameField(GameFieldId::VictoryConditions).offset;
inline constexpr std::size_t DefaultMinerals = gameField(GameFieldId::ResourceType).offset;
inline constexpr std::size_t GameType = gameField(GameFieldId::StartingUnits).offset;
inline constexpr std::size_t Playability = gameField(GameFieldId::PlayerTypes).offset;
inline constexpr std::size_t Alliances = gameField(GameFieldId::Alliances).offset;
inline constexpr std::size_t MaxTeams = gameField(GameFieldId::TeamMode).offset;
inline constexpr std::size_t Minerals = gameField(GameFieldId::ResourceValue).offset;
inline constexpr std::size_t TextFieldSize = 32;
inline constexpr std::size_t MaxTextLength = 31;

// The bytes that neither a control nor a named field of the game covers:
// carried ones (New sets them) and the gap (never assigned by the program).
struct ByteRange {
    std::size_t offset;
    std::size_t size;
};
inline constexpr std::array<ByteRange, 4> Carried = {{{Lead, 1}, {0x42, 1}, {0x44, 1}, {0x5C, 1}}};
inline constexpr std::array<ByteRange, 1> Gaps = {{{0x5D, 3}}};
}  // namespace gto

// The 96-byte image of the start of a game-type file, edited in place so that
// bytes whose meaning the editor does not know survive an edit.
struct GameTypeRecord {
    static constexpr std::size_t Size = 96;
    std::array<std::uint8_t, Size> bytes{};

    std::uint8_t at(std::size_t offset) const { return bytes.at(offset); }
    void set(std::size_t offset, std::uint8_t value) { bytes.at(offset) = value; }
    std::uint32_t minerals() const;
    void setMinerals(std::uint32_t value);
    // A little-endian number of 1 to 4 bytes; a write keeps the value's low bytes.
    std::uint32_t number(std::size_t offset, std::size_t size) const;
    void setNumber(std::size_t offset, std::size_t size, std::uint32_t value);
    std::uint32_t value(const GameField& field) const { return number(field.offset, field.size); }
    void setValue(const GameField& field, std::uint32_t v) { setNumber(field.offset, field.size, v); }

    friend bool operator==(const GameTypeRecord&, const GameTypeRecord&) = default;
};

// What "New GOT File" writes; cheats, tournament mode and the gap keep their values.
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
