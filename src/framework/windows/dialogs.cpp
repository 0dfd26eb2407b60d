#include "framework/windows/dialogs.h"

#include <QStringList>

namespace pellax {

QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    return entries.join(QStringLiteral(";;"));
}

QString bareExtension(const QString& defaultExt) {
    QString ext = defaultExt.trimmed();
    if (ext.startsWith(QLatin1Char('*')))
        ext.remove(0, 1);
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext;
}

QString withDefaultExtension(const QString& path, const QString& defaultExt) {
    const QString ext = bareExtension(defaultExt);
    if (ext.isEmpty() || path.isEmpty())
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    // A leading dot names a hidden file, not an extension.
    if (name.lastIndexOf(QLatin1Char('.')) > 0)
        return path;
    return path + QLatin1Char('.') + ext;
}

}  // namespace pellax
