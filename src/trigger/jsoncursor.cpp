#include "trigger/jsoncursor.h"

#include "framework/files/exception.h"

#include <array>
#include <charconv>

namespace pellax {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out.append(static_cast<char>(code));
    } else if (code < 0x800) {
        out.append(static_cast<char>(0xC0 | code >> 6));
        out.append(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.append(static_cast<char>(0xE0 | code >> 12));
        out.append(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.append(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.append(static_cast<char>(0xF0 | code >> 18));
        out.append(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
        out.append(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
        out.append(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

void JsonCursor::malformed(const char* what) const {
    throw Exception(QStringLiteral("not JSON: %1 at byte %2").arg(QLatin1StringView(what)).arg(at_));
}

JsonCursor::Kind JsonCursor::peek() {
    switch (next()) {
    case '{': return Kind::Object;
    case '[': return Kind::List;
    case '"': return Kind::Text;
    case 't': return Kind::True;
    case 'f': return Kind::False;
    case 'n': return Kind::Null;
    default: {
        const char c = byteAt(at_);
        if (c == '-' || isDigit(c))
            return Kind::Number;
        malformed(at_ < json_.size() ? "a value expected" : "the text ends where a value was expected");
    }
    }
}

void JsonCursor::beginObject() {
    expect('{', "an object expected");
    first_ = true;
}

bool JsonCursor::nextKey(QByteArrayView& key) {
    if (next() == '}') {
        ++at_;
        first_ = false;
        return false;
    }
    if (!first_)
        expect(',', "\",\" or \"}\" expected");
    first_ = false;
    if (next() != '"')
        malformed("a key in double quotes expected");
    key = rawText();
    expect(':', "\":\" expected");
    return true;
}

void JsonCursor::beginList() {
    expect('[', "a list expected");
    first_ = true;
}

bool JsonCursor::nextItem() {
    if (next() == ']') {
        ++at_;
        first_ = false;
        return false;
    }
    if (!first_)
        expect(',', "\",\" or \"]\" expected");
    first_ = false;
    return true;
}

QByteArrayView JsonCursor::rawText() {
    // The bytes that end the plain run of a text: the quote, an escape, a control character.
    static constexpr auto kStops = [] {
        std::array<bool, 256> stops{};
        for (int c = 0; c < 0x20; ++c)
            stops[static_cast<std::size_t>(c)] = true;
        stops['"'] = true;
        stops['\\'] = true;
        return stops;
    }();
    ++at_;  // the opening quote
    const qsizetype start = at_;
    const auto* bytes = reinterpret_cast<const unsigned char*>(json_.data());
    while (at_ < json_.size() && !kStops[bytes[at_]])
        ++at_;
    if (at_ < json_.size() && bytes[at_] < 0x20)
        malformed("a control character in a text");
    if (at_ < json_.size() && json_[at_] == '"')
        return json_.sliced(start, at_++ - start);
    // Escapes: the text is put together apart.
    unescaped_ = json_.sliced(start, at_ - start).toByteArray();
    while (at_ < json_.size() && json_[at_] != '"') {
        const char c = json_[at_++];
        if (static_cast<unsigned char>(c) < 0x20)
            malformed("a control character in a text");
        if (c != '\\') {
            unescaped_.append(c);
            continue;
        }
        const char e = byteAt(at_++);
        switch (e) {
        case '"': case '\\': case '/': unescaped_.append(e); break;
        case 'b': unescaped_.append('\b'); break;
        case 'f': unescaped_.append('\f'); break;
        case 'n': unescaped_.append('\n'); break;
        case 'r': unescaped_.append('\r'); break;
        case 't': unescaped_.append('\t'); break;
        case 'u': {
            const auto hex4 = [this]() -> char32_t {
                char32_t v = 0;
                for (int i = 0; i < 4; ++i) {
                    const int h = hexValue(byteAt(at_++));
                    if (h < 0)
                        malformed("four hexadecimal digits expected after \\u");
                    v = v << 4 | static_cast<char32_t>(h);
                }
                return v;
            };
            char32_t code = hex4();
            if (code >= 0xD800 && code < 0xDC00 && byteAt(at_) == '\\' && byteAt(at_ + 1) == 'u') {
                at_ += 2;
                const char32_t low = hex4();
                if (low < 0xDC00 || low >= 0xE000)
                    malformed("a broken surrogate pair");
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xD800 && code < 0xE000) {
                malformed("a broken surrogate pair");
            }
            appendUtf8(unescaped_, code);
            break;
        }
        default:
            at_ -= 2;
            malformed("an unknown escape in a text");
        }
    }
    if (at_ >= json_.size())
        malformed("a text that does not end");
    ++at_;
    return unescaped_;
}

QByteArrayView JsonCursor::textBytes() {
    if (next() != '"')
        malformed("a text expected");
    return rawText();
}

QString JsonCursor::text() { return QString::fromUtf8(textBytes()); }

double JsonCursor::number() {
    skipSpace();
    const qsizetype start = at_;
    const auto digits = [this] {
        const qsizetype from = at_;
        while (at_ < json_.size() && isDigit(json_[at_]))
            ++at_;
        return at_ > from;
    };
    if (byteAt(at_) == '-')
        ++at_;
    if (byteAt(at_) == '0')
        ++at_;
    else if (!digits())
        malformed("a number expected");
    if (byteAt(at_) == '.') {
        ++at_;
        if (!digits())
            malformed("digits expected after \".\"");
    }
    if (byteAt(at_) == 'e' || byteAt(at_) == 'E') {
        ++at_;
        if (byteAt(at_) == '+' || byteAt(at_) == '-')
            ++at_;
        if (!digits())
            malformed("digits expected in the exponent");
    }
    // Whole numbers of up to 15 digits, nearly all a file holds, are exact in a double.
    if (at_ - start <= 15 && isDigit(json_[start])) {
        bool whole = true;
        double value = 0;
        for (qsizetype i = start; i < at_ && whole; ++i) {
            whole = isDigit(json_[i]);
            value = value * 10 + (json_[i] - '0');
        }
        if (whole)
            return value;
    }
    double value = 0;
    const std::from_chars_result parsed = std::from_chars(json_.data() + start, json_.data() + at_, value);
    if (parsed.ec != std::errc()) {
        at_ = start;
        malformed("a number out of range");
    }
    return value;
}

QString JsonCursor::skip() {
    // Lists in lists without end would take the stack with them.
    constexpr int kDeepest = 512;
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(depth_);
    if (depth_ > kDeepest)
        malformed("lists and objects nested too deep");
    switch (peek()) {
    case Kind::Object: {
        beginObject();
        QByteArrayView key;
        while (nextKey(key))
            skip();
        return QStringLiteral("an object");
    }
    case Kind::List:
        beginList();
        while (nextItem())
            skip();
        return QStringLiteral("a list");
    case Kind::Text: return QStringLiteral("the text \"%1\"").arg(text());
    case Kind::Number: return QString::number(number(), 'g', 17);
    default: break;
    }
    for (const char* word : {"true", "false", "null"}) {
        const QByteArrayView w(word);
        if (json_.sliced(at_).startsWith(w)) {
            at_ += w.size();
            return QLatin1StringView(word);
        }
    }
    malformed("a value expected");
}

void JsonCursor::finish() {
    if (next() != '\0' || at_ < json_.size())
        malformed("more after the end of the object");
}

}  // namespace pellax
