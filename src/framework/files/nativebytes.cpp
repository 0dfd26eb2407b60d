#include "framework/files/nativebytes.h"

#include <cstdint>

namespace pellax {

namespace {

void appendCodePoint(QString& text, char32_t c) {
    if (c >= 0x10000) {
        text += QChar(QChar::highSurrogate(c));
        text += QChar(QChar::lowSurrogate(c));
    } else {
        text += QChar(static_cast<char16_t>(c));
    }
}

void appendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence at `at` and its code point;
// 0 when there is none (a stray byte, a cut sequence, an overlong form, a
// surrogate or a value beyond U+10FFFF).
int sequenceAt(const std::uint8_t* bytes, qsizetype size, qsizetype at, char32_t& c) {
    const std::uint8_t lead = bytes[at];
    int length = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (size - at < length)
        return 0;
    for (int k = 1; k < length; ++k) {
        const std::uint8_t next = bytes[at + k];
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

QString fromNativeBytes(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < size;) {
        if (data[i] < 0x80) {
            text += QChar(static_cast<char16_t>(data[i++]));
            continue;
        }
        char32_t c = 0;
        const int length = sequenceAt(data, size, i, c);
        if (length == 0) {
            text += QChar(nativeByteStandIn(data[i++]));
            continue;
        }
        appendCodePoint(text, c);
        i += length;
    }
    return text;
}

QByteArray toNativeBytes(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(u, text[++i].unicode()));
        } else if (isNativeByteStandIn(u)) {
            out += static_cast<char>(nativeByteOf(u));
        } else {
            appendUtf8(out, QChar::isSurrogate(u) ? char32_t{0xFFFD} : char32_t{u});
        }
    }
    return out;
}

}  // namespace pellax
