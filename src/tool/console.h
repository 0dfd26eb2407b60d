#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <exception>

namespace pellax {

// Raised by Console::print when standard output's reader has gone (a pipe
// into `head`): nothing more can reach it, so the tool stops where it is.
struct OutputClosed {};

// What messages call a source that may be "-": "standard input".
QString sourceName(const QString& source);

// The tool's streams. Results go to standard output as UTF-8; failures and
// notices go to standard error, each line naming the program and the file it
// is about. A file name that is not UTF-8 is written as its own bytes.
class Console {
public:
    Console(std::FILE* in, std::FILE* out, std::FILE* err) noexcept : in_(in), out_(out), err_(err) {}

    // Raises OutputClosed when the reader has gone; any other failure to
    // write is told by finish().
    void print(const QByteArray& utf8);
    void print(const QString& text);

    // "pellax-tool: TEXT" on standard error.
    void error(const QString& text);
    // "pellax-tool: FILE: TEXT", the text as the editor's error box shows it.
    // Counts as a failure.
    void fileError(const QString& file, std::exception_ptr failure);
    // "pellax-tool: FILE: TEXT" for what the editor tells in a plain message box.
    void notice(const QString& file, const QString& text);

    // True once fileError() has been called.
    bool anyFileFailed() const noexcept { return fileFailed_; }

    // The bytes of `source`: standard input for "-", else the file of that
    // name, which may be a pipe (the shell's <(...)). EInOutError when it
    // cannot be read; UsageError for `command` when it holds more than
    // `limitMiB`, which is not `what` the command reads.
    QByteArray readSource(const QString& source, const QString& command, qsizetype limitMiB, const char* what);

    // Flushes standard output; false (with the reason on standard error) when
    // the results could not all be written. A reader that has gone is no
    // failure: it had what it wanted.
    bool finish();

private:
    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
    int outError_ = 0;  // errno of the first failed write to standard output
    bool fileFailed_ = false;
};

}  // namespace pellax
