#include "framework/files/filelocation.h"

#include "framework/files/nativebytes.h"

namespace pellax {

namespace {

constexpr QLatin1StringView kPrefix("mpq:");
constexpr QLatin1StringView kSeparator("::");

}  // namespace

FileLocation parseLocation(const QString& location) {
    FileLocation parsed;
    const qsizetype separator = location.lastIndexOf(kSeparator);
    if (!location.startsWith(kPrefix) || separator < kPrefix.size()) {
        parsed.path = location;
        return parsed;
    }
    parsed.inArchive = true;
    parsed.path = location.mid(kPrefix.size(), separator - kPrefix.size());
    parsed.member = toNativeBytes(QStringView(location).mid(separator + kSeparator.size()));
    return parsed;
}

QString memberLocation(const QString& archive, const QByteArray& member) {
    return kPrefix + archive + kSeparator + memberText(member);
}

QString locationDisplayName(const QString& location) {
    const FileLocation parsed = parseLocation(location);
    if (!parsed.inArchive)
        return location;
    return parsed.path + QLatin1Char('\\') + memberText(parsed.member);
}

QString memberText(const QByteArray& member) { return fromNativeBytes(member); }

bool hasArchiveExtension(const QString& path) { return path.endsWith(QLatin1String(".mpq"), Qt::CaseInsensitive); }

bool memberHasExtension(const QByteArray& member, const QString& extension) {
    const QByteArray suffix = '.' + extension.toLatin1().toLower();
    return member.size() > suffix.size() && member.right(suffix.size()).toLower() == suffix;
}

}  // namespace pellax
