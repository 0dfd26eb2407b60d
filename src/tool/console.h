#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <exception>

namespace pellax {

// The tool's two output streams. Results go to standard output as UTF-8;
// failures and notices go to standard error, each line naming the program and
// the file it is about.
class Console {
public:
    Console(std::FILE* out, std::FILE* err) noexcept : out_(out), err_(err) {}

    void print(const QByteArray& utf8);
    void print(const QString& text) { print(text.toUtf8()); }

    // "pellax-tool: TEXT" on standard error.
    void error(const QString& text);
    // "pellax-tool: FILE: TEXT", the text as the editor's error box shows it.
    void fileError(const QString& file, std::exception_ptr failure);
    // "pellax-tool: FILE: TEXT" for what the editor tells in a plain message box.
    void notice(const QString& file, const QString& text);

    // Flushes standard output; false (with the reason on standard error) when
    // the results could not all be written.
    bool finish();

private:
    std::FILE* out_;
    std::FILE* err_;
};

}  // namespace pellax
