#include "templatelist/templatelistfile.h"

#include "framework/files/ansicodec.h"
#include "framework/files/fileaccess.h"

namespace pellax {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr char kEndOfText = 26;
constexpr QChar kQuote = u'"';

}  // namespace

QStringList parseTemplateList(QByteArrayView bytes) { return TemplateEntries::parse(bytes.toByteArray()).toStringList(); }

bool endsTemplateEntry(QChar c) noexcept {
    return c == QLatin1Char(kCR) || c == QLatin1Char(kLF) || c == QLatin1Char(kEndOfText);
}

QString quotedEntry(QString text) {
    if (!text.startsWith(kQuote))
        text.prepend(kQuote);
    if (!text.endsWith(kQuote))
        text.append(kQuote);
    return text;
}

QByteArray serialiseTemplateList(const QStringList& entries) {
    // No entry needs more bytes than it has UTF-16 units.
    qsizetype capacity = 0;
    for (const QString& entry : entries)
        capacity += entry.size() + 2;
    QByteArray bytes(capacity, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QString& entry : entries) {
        out += encodeAnsiTo(entry, out);
        *out++ = kCR;
        *out++ = kLF;
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

QStringList readTemplateList(const QString& path) { return readTemplateEntries(path).toStringList(); }

TemplateEntries readTemplateEntries(const QString& path) {
    return TemplateEntries::parse(readWholeFile(path));
}

void writeTemplateList(const QString& path, const QStringList& entries) {
    writeWholeFile(path, serialiseTemplateList(entries));
}

}  // namespace pellax
