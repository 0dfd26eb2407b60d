#include "framework/files/inifile.h"

#include <QByteArrayView>
#include <QStringList>

namespace pellax {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Exactly `digits` hex digits at `at`, or -1.
int hexAt(const QString& text, qsizetype at, int digits) {
    if (at + digits > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = hexValue(text[at + i]);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

// Joins the non-empty parts of a '/'-separated path.
QString normalisedPath(const QString& path) { return path.split(u'/', Qt::SkipEmptyParts).join(u'/'); }

// QSettings' key escapes: "%20" and "%U00E9" for characters, '\' for '/'.
QString decodeKey(QByteArrayView raw) {
    const QString text = QString::fromUtf8(raw);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            out += u'/';
        } else if (c == u'%' && i + 1 < text.size() && text[i + 1] == u'U' && hexAt(text, i + 2, 4) >= 0) {
            out += QChar(static_cast<char16_t>(hexAt(text, i + 2, 4)));
            i += 5;
        } else if (c == u'%' && hexAt(text, i + 1, 2) >= 0) {
            out += QChar(static_cast<char16_t>(hexAt(text, i + 1, 2)));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray encodeKey(const QString& key) {
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == '/') {
            out += '\\';
        } else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-' ||
                   u == '.') {
            out += static_cast<char>(u);
        } else if (u <= 0xFF) {
            out += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        } else {
            out += "%U" + QByteArray::number(u, 16).rightJustified(4, '0').toUpper();
        }
    }
    return out;
}

QString sectionPath(QByteArrayView raw) {
    const QString name = decodeKey(raw);
    // QSettings' name for the top level; "%General" is a section called General.
    if (name.compare(QStringLiteral("General"), Qt::CaseInsensitive) == 0 && !raw.startsWith('%'))
        return {};
    return normalisedPath(name);
}

QString decodeValue(QByteArrayView raw) {
    const QString text = QString::fromUtf8(raw);
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
        return text;
    QString out;
    const qsizetype end = text.size() - 1;
    for (qsizetype i = 1; i < end; ++i) {
        QChar c = text[i];
        if (c == u'\\' && i + 1 < end) {
            const QChar e = text[++i];
            switch (e.unicode()) {
            case 'n': c = u'\n'; break;
            case 'r': c = u'\r'; break;
            case 't': c = u'\t'; break;
            case 'x':
                if (const int v = hexAt(text, i + 1, 2); v >= 0 && i + 2 < end) {
                    c = QChar(static_cast<char16_t>(v));
                    i += 2;
                }
                break;
            default: c = e; break;
            }
        }
        out += c;
    }
    return out;
}

// The text as a value QSettings reads back the same; quoted where blanks at
// either end or its separators would otherwise change it.
QByteArray encodeValue(const QString& text) {
    bool quote = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace() || text.front() == u'"');
    QByteArray escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': escaped += "\\\\"; quote = true; break;
        case '"': escaped += "\\\""; quote = true; break;
        case '\n': escaped += "\\n"; quote = true; break;
        case '\r': escaped += "\\r"; quote = true; break;
        case '\t': escaped += "\\t"; quote = true; break;
        case ',':
        case ';':
        case '=':
        case '#': escaped += static_cast<char>(c.unicode()); quote = true; break;
        default:
            if (c.unicode() < 0x20) {
                escaped += "\\x" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
                quote = true;
            } else {
                escaped += QString(c).toUtf8();
            }
        }
    }
    return quote ? '"' + escaped + '"' : escaped;
}

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

}  // namespace

IniFile::IniFile(QByteArray bytes)
    : bytes_(std::move(bytes)), textStart_(bytes_.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0) {}

std::optional<IniFile> IniFile::parse(const QByteArray& bytes, QString* refusal) {
    const auto refuse = [refusal](const QString& why) -> std::optional<IniFile> {
        if (refusal)
            *refusal = why;
        return std::nullopt;
    };
    if (bytes.size() > kMaxBytes)
        return refuse(QStringLiteral("it is larger than %1 bytes").arg(kMaxBytes));
    if (!QByteArrayView(bytes).isValidUtf8())
        return refuse(QStringLiteral("it is not UTF-8 text"));
    IniFile file(bytes);
    if (!file.index(refusal))
        return std::nullopt;
    return file;
}

bool IniFile::index(QString* refusal) {
    entries_.clear();
    sections_.assign(1, Section{QString(), textStart_});
    Section* current = &sections_.front();
    const QByteArrayView all(bytes_);
    qsizetype at = textStart_;
    int lineNumber = 0;
    const auto refuse = [&](const char* why) {
        if (refusal)
            *refusal = QStringLiteral("line %1 %2").arg(lineNumber).arg(QLatin1String(why));
        return false;
    };
    while (at < all.size()) {
        ++lineNumber;
        qsizetype next = all.indexOf('\n', at);
        next = next < 0 ? all.size() : next + 1;
        QByteArrayView line = all.sliced(at, next - at);
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArrayView content = trimmed(line);
        if (content.isEmpty()) {
            // Blank lines stay between sections, not inside them.
        } else if (content.front() == ';' || content.front() == '#') {
            current->end = next;
        } else if (content.front() == '[') {
            if (content.size() < 2 || content.back() != ']')
                return refuse("opens a section without closing it with ']'");
            sections_.push_back(Section{sectionPath(content.sliced(1, content.size() - 2)), next});
            current = &sections_.back();
        } else {
            const qsizetype equals = content.indexOf('=');
            if (equals < 0)
                return refuse("is neither a section, a setting (name=value) nor a comment");
            const QString key = normalisedPath(decodeKey(trimmed(content.first(equals))));
            if (key.isEmpty())
                return refuse("is a setting without a name");
            const qsizetype valueOffset = (content.data() - all.data()) + equals + 1;
            const QByteArrayView rest = all.sliced(valueOffset, content.size() - equals - 1);
            const QByteArrayView value = trimmed(rest);
            const qsizetype start = value.isEmpty() ? valueOffset : value.data() - all.data();
            entries_.push_back(Entry{current->path.isEmpty() ? key : current->path + u'/' + key, start,
                                     start + value.size()});
            current->end = next;
        }
        at = next;
    }
    return true;
}

const IniFile::Entry* IniFile::find(const QString& path) const {
    const QString wanted = normalisedPath(path);
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->path == wanted)
            return &*it;
    }
    return nullptr;
}

std::optional<QString> IniFile::value(const QString& path) const {
    const Entry* e = find(path);
    if (!e)
        return std::nullopt;
    return decodeValue(QByteArrayView(bytes_).sliced(e->valueStart, e->valueEnd - e->valueStart));
}

bool IniFile::hasGroup(const QString& group) const {
    const QString prefix = normalisedPath(group);
    if (prefix.isEmpty())
        return !entries_.empty();
    for (const Entry& e : entries_) {
        if (e.path.size() > prefix.size() && e.path.startsWith(prefix) && e.path[prefix.size()] == u'/')
            return true;
    }
    return false;
}

bool IniFile::setValue(const QString& path, const QString& text) {
    if (normalisedPath(path).isEmpty())
        return false;
    const QByteArray value = encodeValue(text);
    if (const Entry* e = find(path)) {
        bytes_.replace(e->valueStart, e->valueEnd - e->valueStart, value);
        index();
        return true;
    }
    const QByteArray eol = bytes_.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QStringList parts = normalisedPath(path).split(u'/');
    // QSettings puts a path's first part in the section and the rest in the key.
    const QString section = parts.size() > 1 ? parts.takeFirst() : QString();
    const QByteArray line = encodeKey(parts.join(u'/')) + '=' + value + eol;
    const Section* home = nullptr;
    for (const Section& s : sections_) {
        if (s.path == section)
            home = &s;
    }
    if (home) {
        qsizetype at = home->end;
        QByteArray insert = line;
        if (at > textStart_ && bytes_[at - 1] != '\n')
            insert.prepend(eol);
        bytes_.insert(at, insert);
    } else {
        const bool hasText = bytes_.size() > textStart_;
        if (hasText && !bytes_.endsWith('\n'))
            bytes_ += eol;
        if (hasText)
            bytes_ += eol;
        bytes_ += '[' + encodeKey(section) + ']' + eol + line;
    }
    index();
    return true;
}

}  // namespace pellax
