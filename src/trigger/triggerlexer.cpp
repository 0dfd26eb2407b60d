#include "trigger/triggerlexer.h"

namespace pellax {

namespace {

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0xA0 || c == 0xFEFF; }

bool endsWord(char16_t c) {
    switch (c) {
    case u'(': case u')': case u'{': case u'}': case u',': case u';': case u':': case u'"': case u'=': case u'\n':
        return true;
    default: return isSpace(c);
    }
}

TokenKind signKind(char16_t c) {
    switch (c) {
    case u'(': return TokenKind::Open;
    case u')': return TokenKind::Close;
    case u'{': return TokenKind::BraceOpen;
    case u'}': return TokenKind::BraceClose;
    case u',': return TokenKind::Comma;
    case u';': return TokenKind::Semicolon;
    case u':': return TokenKind::Colon;
    default: return TokenKind::End;
    }
}

}  // namespace

std::vector<Token> lexTriggerText(QStringView text, std::vector<TriggerTextError>& errors) {
    std::vector<Token> tokens;
    // Roughly one token for every five characters of a typical text.
    tokens.reserve(static_cast<std::size_t>(text.size() / 5 + 1));
    const char16_t* s = text.utf16();
    const int n = static_cast<int>(text.size());
    int line = 1;
    int lineStart = 0;
    int i = 0;
    const auto push = [&](TokenKind kind, int start, int length, int column) {
        tokens.push_back(Token{kind, line, column, start, length});
    };
    while (i < n) {
        const char16_t c = s[i];
        if (c == u'\n') {
            ++line;
            lineStart = ++i;
            continue;
        }
        if (isSpace(c)) {
            ++i;
            continue;
        }
        if (c == u'/' && i + 1 < n && s[i + 1] == u'/') {
            while (i < n && s[i] != u'\n')
                ++i;
            continue;
        }
        const int column = i - lineStart + 1;
        if (c == u'"') {
            int end = i + 1;
            while (end < n && s[end] != u'"' && s[end] != u'\n')
                ++end;
            push(TokenKind::Quoted, i + 1, end - i - 1, column);
            if (end < n && s[end] == u'"') {
                i = end + 1;
            } else {
                errors.push_back({line, end - lineStart + 1, QStringLiteral("expected \" to end the text begun in column %1").arg(column)});
                i = end;
            }
            continue;
        }
        if (c == u'=') {
            if (i + 1 < n && s[i + 1] == u'=') {
                push(TokenKind::Word, i, 2, column);
                i += 2;
            } else {
                push(TokenKind::Equals, i, 1, column);
                ++i;
            }
            continue;
        }
        const TokenKind sign = signKind(c);
        if (sign != TokenKind::End) {
            push(sign, i, 1, column);
            ++i;
            continue;
        }
        int end = i;
        while (end < n && !endsWord(s[end]) && !(s[end] == u'/' && end + 1 < n && s[end + 1] == u'/'))
            ++end;
        // ">=" and "<=" keep their "=".
        if (end < n && s[end] == u'=' && (s[end - 1] == u'<' || s[end - 1] == u'>'))
            ++end;
        push(TokenKind::Word, i, end - i, column);
        i = end;
    }
    push(TokenKind::End, n, 0, n - lineStart + 1);
    return tokens;
}

}  // namespace pellax
