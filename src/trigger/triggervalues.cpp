#include "trigger/triggervalues.h"

#include "trigger/triggertextform.h"

namespace pellax {

namespace {

using namespace textform;

int digitOf(QChar c, int base) {
    const char16_t u = c.unicode();
    int digit = base;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

// A number as the text writes it, decimal or hexadecimal after 0x, kept wider
// than any field so that "too large" is told apart from "not a number".
std::optional<std::uint64_t> parseWide(QStringView text) {
    constexpr std::uint64_t kWidest = std::uint64_t{1} << 40;
    text = text.trimmed();
    int base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        const int digit = digitOf(c, base);
        if (digit < 0 || value > kWidest)
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    return value;
}

// "Location 3" and the like: the number after the prefix, in the name's key.
std::optional<std::uint64_t> numberAfter(const NameKey& key, const NameKey& word) {
    const std::u16string_view text = key.view();
    if (!key.valid() || !text.starts_with(word.view()) || text.size() == word.view().size())
        return std::nullopt;
    const std::u16string_view digits = text.substr(word.view().size());
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return parseWide(QStringView(digits.data(), static_cast<qsizetype>(digits.size())));
}

void appendQuoted(TextBuffer& out, QLatin1StringView text) {
    out.put(u'"');
    out.put(text);
    out.put(u'"');
}

void appendPrefixed(TextBuffer& out, QLatin1StringView prefix, std::uint64_t number) {
    out.put(u'"');
    out.put(prefix);
    out.putDecimal(number);
    out.put(u'"');
}

// A script's code where its four bytes are letters, digits and signs that a
// quoted text can hold; nothing otherwise.
bool appendScript(TextBuffer& out, std::uint32_t value) {
    char16_t code[4];
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<char16_t>((value >> (8 * i)) & 0xFF);
        if (c < 0x21 || c > 0x7E || c == u'"')
            return false;
        code[i] = c;
    }
    out.put(u'"');
    for (const char16_t c : code)
        out.put(c);
    out.put(u'"');
    return true;
}

}  // namespace

std::optional<std::uint32_t> parseTriggerNumber(QStringView text, std::uint32_t maximum) {
    const std::optional<std::uint64_t> value = parseWide(text);
    if (!value || *value > maximum)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint32_t> argumentValue(ArgKind kind, QStringView text, bool quoted, std::uint32_t maximum) {
    switch (kind) {
    case ArgKind::Number: return parseTriggerNumber(text, maximum);
    case ArgKind::Location: {
        static const NameKey none(NoLocation);
        static const NameKey anywhere(Anywhere);
        static const NameKey prefix(LocationPrefix);
        const NameKey key(text);
        if (key == none)
            return 0;
        if (key == anywhere)
            return kAnywhere;
        if (const std::optional<std::uint64_t> n = numberAfter(key, prefix))
            return *n <= maximum ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*n)) : std::nullopt;
        return parseTriggerNumber(text, maximum);
    }
    case ArgKind::Switch: {
        static const NameKey prefix(SwitchPrefix);
        if (const std::optional<std::uint64_t> n = numberAfter(NameKey(text), prefix))
            return *n >= 1 && *n <= SwitchCount ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*n - 1)) : std::nullopt;
        return parseTriggerNumber(text, maximum);
    }
    case ArgKind::String: {
        static const NameKey prefix(StringPrefix);
        if (const std::optional<std::uint64_t> n = numberAfter(NameKey(text), prefix))
            return *n <= maximum ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*n)) : std::nullopt;
        return parseTriggerNumber(text, maximum);
    }
    case ArgKind::Script: {
        const std::optional<std::uint32_t> number = parseTriggerNumber(text, maximum);
        if (number && !quoted)
            return number;
        const QStringView code = quoted ? text : text.trimmed();
        if (code.size() != 4)
            return number;
        std::uint32_t value = 0;
        for (qsizetype i = 3; i >= 0; --i) {
            if (code[i].unicode() > 0x7E || code[i].unicode() < 0x20)
                return std::nullopt;
            value = value << 8 | code[i].unicode();
        }
        return value;
    }
    default: {
        if (const std::optional<std::uint32_t> named = namedValue(kind, text))
            return named;
        return parseTriggerNumber(text, maximum);
    }
    }
}

void appendArgumentValue(TextBuffer& out, ArgKind kind, std::uint32_t value) {
    switch (kind) {
    case ArgKind::Player:
    case ArgKind::Unit: {
        const QLatin1StringView name = valueName(kind, value);
        if (!name.isEmpty())
            return appendQuoted(out, name);
        break;
    }
    case ArgKind::Location:
        if (value == 0)
            return appendQuoted(out, NoLocation);
        if (value == kAnywhere)
            return appendQuoted(out, Anywhere);
        return appendPrefixed(out, LocationPrefix, value);
    case ArgKind::Switch:
        if (value < SwitchCount)
            return appendPrefixed(out, SwitchPrefix, std::uint64_t{value} + 1);
        break;
    case ArgKind::String: return appendPrefixed(out, StringPrefix, value);
    case ArgKind::Script:
        if (appendScript(out, value))
            return;
        break;
    case ArgKind::Number: break;
    default: {
        const QLatin1StringView name = valueName(kind, value);
        if (!name.isEmpty())
            return out.put(name);
        break;
    }
    }
    out.putDecimal(value);
}

}  // namespace pellax
