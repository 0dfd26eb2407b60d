#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace pellax {

// A settings file in the part of the INI layout Qt's QSettings writes that
// this program reads: "[section]" lines, "key=value" lines, blank lines and
// whole-line comments (';' or '#'). Section names and keys use QSettings' key
// escapes ("[Control%20Panel]", "%U00E9", '\' for '/'): "Colors\GradientActiveTitle=1 2 3".
// A value is its text as written; only a value enclosed in double quotes has
// escapes, "\n", "\r", "\t", "\xHH" and '\' before any other character.
// QSettings' escapes outside quotes, a ';' comment after a value and its '@'
// forms ("@@", "@Variant(...)") are not understood: they are read as plain text.
//
// The file is read strictly and changed line by line: a change touches only
// the line it sets, so comments, order and every other byte stay as the user
// left them. A UTF-8 byte-order mark at the start is allowed, and kept. A file
// that is not text in this layout is refused as a whole instead of being half
// understood.
//
// Paths are '/'-separated, as QSettings spells them: "Control Panel/Colors".
class IniFile {
public:
    // Larger files are not settings files; reading one must not hold up a paint.
    static constexpr qsizetype kMaxBytes = 1024 * 1024;

    // Nothing when `bytes` is not UTF-8 text of blank lines, comments (';' or
    // '#'), "[section]" lines and "key=value" lines; then `refusal`, when
    // given, says why ("line 3 is neither a section, a setting nor a comment").
    static std::optional<IniFile> parse(const QByteArray& bytes, QString* refusal = nullptr);

    // The value's text as written, with one pair of enclosing quotes and their
    // escapes undone; commas are text, not list separators. The last of several
    // lines for the same path wins, as in QSettings.
    std::optional<QString> value(const QString& path) const;
    // Some value lies at or below `group`.
    bool hasGroup(const QString& group) const;

    // Replaces the value of `path` in its line, or adds a line at the end of
    // the section QSettings would put it in (a new section at the end). False,
    // and nothing changed, for a path without a name: its line would have no
    // key, and the file would no longer read.
    [[nodiscard]] bool setValue(const QString& path, const QString& text);

    const QByteArray& bytes() const noexcept { return bytes_; }

private:
    struct Entry {
        QString path;
        qsizetype valueStart;  // byte offsets of the value in bytes_
        qsizetype valueEnd;
    };
    struct Section {
        QString path;       // decoded; empty for the top level
        qsizetype end = 0;  // where a new line for this section goes
    };

    explicit IniFile(QByteArray bytes);
    bool index(QString* refusal = nullptr);
    const Entry* find(const QString& path) const;

    QByteArray bytes_;
    qsizetype textStart_ = 0;  // past the byte-order mark, when there is one
    std::vector<Entry> entries_;
    std::vector<Section> sections_;
};

}  // namespace pellax
