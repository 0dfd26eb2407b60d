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

// Every token of the text, ending in End; a quoted text that runs past the end
// of its line is reported and taken to the end of the line.
std::vector<Token> lexTriggerText(QStringView text, std::vector<TriggerTextError>& errors);

}  // namespace pellax
