#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pellax::bench {

// Line `i` of a sample template list: a name of its own, as long as a real one.
inline QByteArray templateListLine(int i) {
    return "\"Game type " + QByteArray::number(i).rightJustified(6, '0') + " - melee variant.got\"\r\n";
}

// A template list of `entries` names, made as bytes, without a list of strings
// that would leave the heap swollen for the memory measurements that follow.
inline QByteArray templateListSample(int entries) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(entries) * 40);
    for (int i = 0; i < entries; ++i)
        bytes.append(templateListLine(i));
    return bytes;
}

// Writes such a list to `path` line by line; false when it cannot.
inline bool writeTemplateListSample(const QString& path, int entries) {
    QFile list(path);
    if (!list.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < entries; ++i) {
        const QByteArray line = templateListLine(i);
        if (list.write(line) != line.size())
            return false;
    }
    return list.flush();
}

}  // namespace pellax::bench
