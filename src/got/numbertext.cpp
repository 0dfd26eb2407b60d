#include "got/numbertext.h"

#include <optional>

namespace pellax {

namespace {

int digitValue(QChar c, bool hex) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (hex && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (hex && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The value of the text as both conversions read it, from -2^31 to 2^32 - 1;
// nothing for anything else.
std::optional<std::int64_t> parse(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (negative || text[i] == u'+'))
        ++i;
    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], hex);
        if (d < 0)
            return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + d;
        // Too large is as wrong as a stray character, whatever follows.
        if (magnitude > 0xFFFFFFFFll)
            return std::nullopt;
    }
    if (negative && magnitude > 2147483648ll)
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

}  // namespace

std::int32_t textToInt(QStringView text) {
    const std::optional<std::int64_t> value = parse(text);
    return value && *value <= 2147483647ll ? static_cast<std::int32_t>(*value) : 0;
}

std::uint32_t textToUInt32(QStringView text) {
    // A negative value wraps, as it does in the 32 bits.
    return static_cast<std::uint32_t>(parse(text).value_or(0));
}

}  // namespace pellax
