#include "got/gametyperecord.h"

#include "framework/files/ansicodec.h"

#include <algorithm>
#include <cstring>

namespace pellax {

namespace {

// A text field's 32 bytes: the count and up to 31 characters, then zero fill.
// The count stays only where a colour code replaces it; otherwise the text
// moves down onto it, so a text of 31 characters leaves the last byte zero.
void writeCountedText(GameTypeRecord& record, std::size_t field, QStringView text, int colorIndex) {
    std::array<std::uint8_t, gto::TextFieldSize + 1> counted{};
    const QByteArray encoded = encodeAnsi(text);
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(encoded.size()), gto::MaxTextLength);
    counted[0] = static_cast<std::uint8_t>(n);
    std::memcpy(counted.data() + 1, encoded.constData(), n);
    const std::size_t from = colorIndex > 0 ? 0 : 1;
    if (colorIndex > 0)
        counted[0] = static_cast<std::uint8_t>(colorIndex);
    std::copy_n(counted.begin() + static_cast<std::ptrdiff_t>(from), gto::TextFieldSize,
                record.bytes.begin() + static_cast<std::ptrdiff_t>(field));
}

// A text field's characters: the bytes `isCharacter` keeps, in order.
QString readText(const GameTypeRecord& record, std::size_t field, bool (*isCharacter)(std::uint8_t) noexcept) {
    QString text;
    for (std::size_t i = 0; i < gto::TextFieldSize; ++i) {
        if (const std::uint8_t b = record.at(field + i); isCharacter(b))
            text += ansiToChar(b);
    }
    return text;
}

}  // namespace

std::uint32_t GameTypeRecord::number(std::size_t offset, std::size_t size) const {
    std::uint32_t v = 0;
    for (std::size_t i = size; i-- > 0;)
        v = (v << 8) | bytes.at(offset + i);
    return v;
}

void GameTypeRecord::setNumber(std::size_t offset, std::size_t size, std::uint32_t value) {
    for (std::size_t i = 0; i < size; ++i)
        bytes.at(offset + i) = i < sizeof value ? static_cast<std::uint8_t>(value >> (8 * i)) : 0;
}

void applyNewDefaults(GameTypeRecord& r) {
    for (const GameField& field : kGameFields) {
        if (field.onNew)
            r.setValue(field, *field.onNew);
    }
}

void encodeName(GameTypeRecord& record, QStringView text, int colorIndex) {
    writeCountedText(record, gto::Name, text, colorIndex);
}

void encodeVariationName(GameTypeRecord& record, QStringView text) {
    writeCountedText(record, gto::VariationName, text, 0);
}

int decodeColorSelection(const GameTypeRecord& record) {
    const std::uint8_t code = record.at(gto::Name);
    return (code >= 1 && code <= 8) ? code : 0;
}

QString decodeName(const GameTypeRecord& record) { return readText(record, gto::Name, isNameCharacter); }

QString decodeVariationName(const GameTypeRecord& record) {
    return readText(record, gto::VariationName, isVariationNameCharacter);
}

}  // namespace pellax
