#include "framework/files/ansicodec.h"


#include <array>

namespace pellax {

namespace {

// 0x80..0x9F; the undefined slots keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QChar ansiToChar(std::uint8_t byte) noexcept {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

std::optional<std::uint8_t> charToAnsi(char32_t cp) noexcept {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<std::uint8_t>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp)
            return static_cast<std::uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

QString decodeAnsi(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = ansiToChar(static_cast<std::uint8_t>(c));
    return text;
}

qsizetype encodeAnsiTo(QStringView text, char* out) {
    char* const start = out;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        // Most text is plain: its characters are their own bytes.
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        char32_t cp = u;
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode()))
            cp = QChar::surrogateToUcs4(u, text[++i].unicode());
        const auto b = charToAnsi(cp);
        *out++ = b ? static_cast<char>(*b) : '?';
    }
    return out - start;
}

QByteArray encodeAnsi(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(encodeAnsiTo(text, bytes.data()));
    return bytes;
}

}  // namespace pellax
