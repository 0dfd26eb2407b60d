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

bool TriggerLexer::next(std::vector<Token>& tokens) {
    if (done_)
        return false;
    const char16_t* s = text_.utf16();
    const int n = static_cast<int>(text_.size());
    const std::size_t before = tokens.size();
    int& i = at_;
    const auto push = [&](TokenKind kind, int start, int length, int column) {
        tokens.push_back(Token{kind, line_, column, start, length});
    };
    while (i < n) {
        const char16_t c = s[i];
        if (c == u'\n') {
            ++line_;
            lineStart_ = ++i;
            if (tokens.size() > before)
                return true;
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
        const int column = i - lineStart_ + 1;
        if (c == u'"') {
            int end = i + 1;
            while (end < n && s[end] != u'"' && s[end] != u'\n')
                ++end;
            push(TokenKind::Quoted, i + 1, end - i - 1, column);
            if (end < n && s[end] == u'"') {
                i = end + 1;
            } else {
                errors_.push_back({line_, end - lineStart_ + 1, QStringLiteral("expected \" to end the text begun in column %1").arg(column)});
                badLines_.push_back(line_);
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
    if (tokens.size() > before)
        return true;
    push(TokenKind::End, n, 0, n - lineStart_ + 1);
    done_ = true;
    return true;
}

}  // namespace pellax
