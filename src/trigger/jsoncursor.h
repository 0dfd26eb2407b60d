#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace pellax {

// Reads JSON front to back without building a document: a caller that knows
// the shape it expects walks objects and lists and takes their values as it
// goes. Made for large inputs of one known shape, where a document of every
// value costs several times the reading. Malformed JSON raises Exception with
// "not JSON: WHAT at byte N".
class JsonCursor {
public:
    enum class Kind { Object, List, Text, Number, True, False, Null };

    explicit JsonCursor(QByteArrayView json) : json_(json) {}

    // The kind of the next value.
    Kind peek();

    // An object: begin, then nextKey() until it returns false at its end; each
    // key is followed by its value, which must be read or skipped. The key is
    // valid until the next call.
    void beginObject();
    bool nextKey(QByteArrayView& key);
    // A list: begin, then nextItem() until it returns false at its end.
    void beginList();
    bool nextItem();

    QString text();
    // A text's bytes, as UTF-8, valid until the next call.
    QByteArrayView textBytes();
    double number();
    // Skips a value of any kind, saying what it was for a message: "the text
    // \"x\"", "1.5", "true", "null", "a list", "an object".
    QString skip();

    // Nothing but white space may follow the value read.
    void finish();

    [[noreturn]] void malformed(const char* what) const;

private:
    // The byte at `i`, or 0 past the end.
    char byteAt(qsizetype i) const { return i < json_.size() ? json_[i] : '\0'; }
    void skipSpace() {
        while (at_ < json_.size()) {
            const char c = json_[at_];
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
                return;
            ++at_;
        }
    }
    // The next byte that is not white space, or 0 at the end.
    char next() {
        skipSpace();
        return byteAt(at_);
    }
    void expect(char c, const char* what) {
        if (next() != c)
            malformed(what);
        ++at_;
    }
    // The bytes of a text without its quotes, escapes resolved.
    QByteArrayView rawText();

    QByteArrayView json_;
    qsizetype at_ = 0;
    bool first_ = false;  // no item or key yet in the object or list just begun
    int depth_ = 0;       // of the values skip() is inside
    QByteArray unescaped_;
};

}  // namespace pellax
