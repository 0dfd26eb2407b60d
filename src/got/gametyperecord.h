#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>

namespace pellax {

// Byte offsets of the fields the editor knows. Everything else is carried.
namespace gto {
inline constexpr std::size_t Lead = 0x00;
inline constexpr std::size_t Name = 0x01;
inline constexpr std::size_t VariationName = 0x21;
inline constexpr std::size_t Position = 0x41;
inline constexpr std::size_t VariationNumber = 0x43;
inline constexpr std::size_t VariationSetting = 0x45;
inline constexpr std::size_t InternalSetting = 0x49;
inline constexpr std::size_t DefaultMinerals = 0x4A;
inline constexpr std::size_t GameType = 0x4C;
inline constexpr std::size_t Playability = 0x4F;
inline constexpr std::size_t Alliances = 0x50;
inline constexpr std::size_t MaxTeams = 0x51;
inline constexpr std::size_t Minerals = 0x58;
inline constexpr std::size_t TextFieldSize = 32;
inline constexpr std::size_t MaxTextLength = 31;

// The bytes that no control covers: carried ones (New sets them) and the gaps
// (never assigned by the program).
struct ByteRange {
    std::size_t offset;
    std::size_t size;
};
inline constexpr std::array<ByteRange, 8> Carried = {
    {{0x00, 1}, {0x42, 1}, {0x44, 1}, {0x46, 3}, {0x4B, 1}, {0x4D, 2}, {0x54, 4}, {0x5C, 1}}};
inline constexpr std::array<ByteRange, 2> Gaps = {{{0x52, 2}, {0x5D, 3}}};
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

    friend bool operator==(const GameTypeRecord&, const GameTypeRecord&) = default;
};

// What "New GOT File" writes; the five gap bytes keep their values.
void applyNewDefaults(GameTypeRecord& record);

// Name field (and the first byte after it) from the name text and the colour
// selection: 0 regular colour, 1..8 a colour code, -1 no selection.
void encodeName(GameTypeRecord& record, QStringView text, int colorIndex);
// Variation-name field (and the position byte after it, which the caller rewrites).
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
