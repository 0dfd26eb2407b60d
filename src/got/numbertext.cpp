#include "got/numbertext.h"

namespace pellax {

namespace {

struct Parsed {
    bool negative = false;
    std::uint64_t magnitude = 0;  // capped just above 2^32, enough to reject
};

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

std::optional<Parsed> parse(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    Parsed p;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        p.negative = text[i] == u'-';
        ++i;
    }
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
    constexpr std::uint64_t cap = (std::uint64_t{1} << 32) + 1;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], hex);
        if (d < 0)
            return std::nullopt;
        p.magnitude = p.magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
        if (p.magnitude > cap)
            p.magnitude = cap;
    }
    return p;
}

}  // namespace

std::optional<std::int32_t> parseInt32(QStringView text) {
    const auto p = parse(text);
    if (!p)
        return std::nullopt;
    if (p->negative) {
        if (p->magnitude > 2147483648ull)
            return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(p->magnitude));
    }
    if (p->magnitude > 2147483647ull)
        return std::nullopt;
    return static_cast<std::int32_t>(p->magnitude);
}

std::int32_t textToInt(QStringView text) { return parseInt32(text).value_or(0); }

std::uint32_t textToUInt32(QStringView text) {
    const auto p = parse(text);
    if (!p)
        return 0;
    if (p->negative) {
        if (p->magnitude > 2147483648ull)
            return 0;
        return static_cast<std::uint32_t>(-static_cast<std::int64_t>(p->magnitude));
    }
    if (p->magnitude > 0xFFFFFFFFull)
        return 0;
    return static_cast<std::uint32_t>(p->magnitude);
}

}  // namespace pellax
