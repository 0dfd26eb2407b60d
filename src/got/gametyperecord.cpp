#include "got/gametyperecord.h"

#include "framework/files/ansicodec.h"

#include <algorithm>
#include <cstring>

namespace pellax {

namespace {

// Zeroes 33 bytes from `field`, writes the count and up to 31 characters after it.
void writeCountedText(GameTypeRecord& record, std::size_t field, QStringView text) {
    std::fill_n(record.bytes.begin() + static_cast<std::ptrdiff_t>(field), gto::TextFieldSize + 1, 0);
    const QByteArray encoded = encodeAnsi(text);
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(encoded.size()), gto::MaxTextLength);
    record.bytes[field] = static_cast<std::uint8_t>(n);
    std::memcpy(record.bytes.data() + field + 1, encoded.constData(), n);
}

// Moves the 32 bytes after `field` down onto it, dropping the count.
void dropCount(GameTypeRecord& record, std::size_t field) {
    std::memmove(record.bytes.data() + field, record.bytes.data() + field + 1, gto::TextFieldSize);
}

}  // namespace

std::uint32_t GameTypeRecord::minerals() const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes[gto::Minerals + static_cast<std::size_t>(i)];
    return v;
}

void GameTypeRecord::setMinerals(std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[gto::Minerals + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void applyNewDefaults(GameTypeRecord& r) {
    r.set(0x00, 3);
    std::fill_n(r.bytes.begin() + 0x01, 64, 0);  // both text fields
    r.set(0x41, 0);
    r.set(0x42, 1);
    r.set(0x43, 1);
    r.set(0x44, 0);
    r.set(0x45, 0);
    r.set(0x46, 0);
    r.set(0x47, 0);
    r.set(0x48, 0);
    r.set(0x49, 0);
    r.set(0x4A, 1);
    r.set(0x4B, 2);
    r.set(0x4C, 0);
    r.set(0x4D, 0);
    r.set(0x4E, 0);
    r.set(0x4F, 0);
    r.set(0x50, 1);
    r.set(0x51, 0);
    // 0x52..0x53 and 0x5D..0x5F are gaps: left as they are.
    r.set(0x54, 1);
    r.set(0x55, 0);
    r.set(0x56, 0);
    r.set(0x57, 0);
    r.setMinerals(50);
    r.set(0x5C, 0);
}

void encodeName(GameTypeRecord& record, QStringView text, int colorIndex) {
    writeCountedText(record, gto::Name, text);
    if (colorIndex > 0)
        record.set(gto::Name, static_cast<std::uint8_t>(colorIndex));
    else
        dropCount(record, gto::Name);
}

void encodeVariationName(GameTypeRecord& record, QStringView text) {
    writeCountedText(record, gto::VariationName, text);
    dropCount(record, gto::VariationName);
}

int decodeColorSelection(const GameTypeRecord& record) {
    const std::uint8_t code = record.at(gto::Name);
    return (code >= 1 && code <= 8) ? code : 0;
}

QString decodeName(const GameTypeRecord& record) {
    QString name;
    for (std::size_t i = 0; i < gto::TextFieldSize; ++i) {
        const std::uint8_t b = record.at(gto::Name + i);
        if (isNameCharacter(b))
            name += ansiToChar(b);
    }
    return name;
}

QString decodeVariationName(const GameTypeRecord& record) {
    QString name;
    for (std::size_t i = 0; i < gto::TextFieldSize; ++i) {
        const std::uint8_t b = record.at(gto::VariationName + i);
        if (isVariationNameCharacter(b))
            name += ansiToChar(b);
    }
    return name;
}

}  // namespace pellax
