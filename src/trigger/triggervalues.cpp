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

// "Location 3" and the like: the number after the prefix, which the key
// holds without spaces.
std::optional<std::uint64_t> numberAfter(const QString& key, QLatin1StringView prefix) {
    const QLatin1StringView word = prefix.trimmed();
    if (!key.startsWith(word, Qt::CaseInsensitive) || key.size() == word.size())
        return std::nullopt;
    for (qsizetype i = word.size(); i < key.size(); ++i) {
        if (!key[i].isDigit())
            return std::nullopt;
    }
    return parseWide(QStringView(key).mid(word.size()));
}

void appendPrefixed(QString& out, QLatin1StringView prefix, std::uint64_t number) {
    out.append(u'"');
    out.append(prefix);
    appendDecimal(out, number);
    out.append(u'"');
}

// A script's code where its four bytes are letters, digits and signs that a
// quoted text can hold; nothing otherwise.
bool appendScript(QString& out, std::uint32_t value) {
    char16_t code[4];
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<char16_t>((value >> (8 * i)) & 0xFF);
        if (c < 0x21 || c > 0x7E || c == u'"')
            return false;
        code[i] = c;
    }
    out.append(u'"');
    out.append(QStringView(code, 4));
    out.append(u'"');
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
        const QString key = nameKey(text);
        if (key == nameKey(NoLocation))
            return 0;
        if (key == nameKey(Anywhere))
            return kAnywhere;
        if (const std::optional<std::uint64_t> n = numberAfter(key, LocationPrefix))
            return *n <= maximum ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*n)) : std::nullopt;
        return parseTriggerNumber(text, maximum);
    }
    case ArgKind::Switch: {
        if (const std::optional<std::uint64_t> n = numberAfter(nameKey(text), SwitchPrefix))
            return *n >= 1 && *n <= SwitchCount ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*n - 1)) : std::nullopt;
        return parseTriggerNumber(text, maximum);
    }
    case ArgKind::String: {
        if (const std::optional<std::uint64_t> n = numberAfter(nameKey(text), StringPrefix))
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

void appendDecimal(QString& out, std::uint64_t value) {
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        out.append(QChar(digits[--n]));
}

void appendQuoted(QString& out, QLatin1StringView text) {
    out.append(u'"');
    out.append(text);
    out.append(u'"');
}

void appendArgumentValue(QString& out, ArgKind kind, std::uint32_t value) {
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
            return void(out.append(name));
        break;
    }
    }
    appendDecimal(out, value);
}

}  // namespace pellax
