#pragma once

#include "trigger/triggertext.h"

#include <QStringView>

#include <cstdint>
#include <vector>

namespace pellax {

// The words and signs of a trigger text. A word runs up to a space or one of
// ( ) { } , ; : " = and is joined with the next words of its line into a phrase
// by the reader ("At most", "Command the Most At"); ">=", "<=" and "==" are
// words too. A text in double quotes ends on its line. "//" starts a comment
// that runs to the end of its line.
enum class TokenKind : std::uint8_t { Word, Quoted, Open, Close, BraceOpen, BraceClose, Comma, Semicolon, Colon, Equals, End };

struct Token {
    TokenKind kind;
    int line;    // 1-based
    int column;  // 1-based, in characters
    int start;   // in the text: of a quoted text, its first character after the quote
    int length;  // of a quoted text, without its quotes
};

// Reads the tokens of a text a line at a time, so that a large text is not
// held as tokens all at once. A quoted text that runs past the end of its line
// is reported (its line noted in `badLines`) and taken to the end of the line.
class TriggerLexer {
public:
    TriggerLexer(QStringView text, std::vector<TriggerTextError>& errors, std::vector<int>& badLines)
        : text_(text), errors_(errors), badLines_(badLines) {}

    // Appends the tokens of the next line that has any, or the End token when
    // the text has no more; false once End has been appended.
    bool next(std::vector<Token>& tokens);

private:
    QStringView text_;
    std::vector<TriggerTextError>& errors_;
    std::vector<int>& badLines_;
    int at_ = 0;
    int line_ = 1;
    int lineStart_ = 0;
    bool done_ = false;
};

}  // namespace pellax
