#include "got/gamecheck.h"

#include "got/gametriggerfile.h"

#include <algorithm>

namespace pellax {

namespace {

constexpr std::size_t kLead = gameField(GameFieldId::Lead).offset;

QString wrongLead(std::uint8_t lead) {
    return QStringLiteral("The first byte is %1, not %2: the game skips the file.").arg(lead).arg(kLeadByte);
}

QString quoted(const char* name) { return QStringLiteral("\"%1\"").arg(QLatin1String(name)); }

// "0 Off, 1 Warcraft 1 style or 2 On"
QString orList(QStringList parts) {
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString unknownValue(const GameField& field, std::uint32_t value) {
    if (field.id == GameFieldId::TeamMode && value == 1)
        return QStringLiteral("Team mode is 1, which the game does not take: 0 for off, or 2, 3 or 4 teams.");
    QStringList named;
    for (const GameValue& v : field.values)
        named.append(QStringLiteral("%1 %2").arg(v.value).arg(QLatin1String(v.name)));
    return QStringLiteral("%1 is %2, which the game does not know: it takes %3.")
        .arg(QLatin1String(field.name))
        .arg(value)
        .arg(named.isEmpty() ? QStringLiteral("0 to %1").arg(field.knownBelow - 1) : orList(named));
}

// Greed and slaughter find their trigger file by the variation value; with any
// other value the game does not start a game of the game type at all.
void checkVariationTrigger(const GameTypeRecord& record, QStringList& findings) {
    const GameTriggerFile file = gameTriggerFile(record);
    if (file.use != GameTriggerFile::Use::NoGame)
        return;
    const bool greed = file.victory == gamevalues::kVictoryResources;
    QStringList values;
    for (const std::uint32_t v : greed ? gamevalues::kGreedResources : gamevalues::kSlaughterMinutes)
        values.append(QString::number(v));
    findings.append(QStringLiteral("Victory conditions %1 need a variation value the game has a trigger for "
                                   "(%2 %3), not %4.")
                        .arg(quoted(greed ? "Resources" : "Slaughter"), orList(values),
                             greed ? QStringLiteral("resources") : QStringLiteral("minutes"))
                        .arg(file.variation));
}

// Every rule of the record but its first byte.
QStringList valueFindings(const GameTypeRecord& record) {
    QStringList findings;
    for (const GameField& field : kGameFields) {
        if (!field.isValue())
            continue;
        const std::uint32_t value = record.value(field);
        if (field.skipsFrom && value >= field.skipsFrom)
            findings.append(QStringLiteral("%1 is %2, %3 or more: the game skips the file.")
                                .arg(QLatin1String(field.name))
                                .arg(value)
                                .arg(field.skipsFrom));
        else if (!isKnownGameValue(field, value))
            findings.append(unknownValue(field, value));
    }
    checkVariationTrigger(record, findings);
    return findings;
}

}  // namespace

QStringList gameRecordFindings(const GameTypeRecord& record) {
    QStringList findings;
    if (record.at(kLead) != kLeadByte)
        findings.append(wrongLead(record.at(kLead)));
    return findings + valueFindings(record);
}

QStringList gameFileTypeFindings(QByteArrayView file, std::uint64_t size) {
    QStringList findings;
    if (size != kGameFileSize)
        findings.append(QStringLiteral("The file is %1 bytes long, not %2: the game skips it.").arg(size).arg(kGameFileSize));
    if (!file.isEmpty() && static_cast<std::uint8_t>(file[kLead]) != kLeadByte)
        findings.append(wrongLead(static_cast<std::uint8_t>(file[kLead])));
    return findings;
}

QStringList gameFileFindings(QByteArrayView file, std::uint64_t size) {
    QStringList findings = gameFileTypeFindings(file, size);
    // Too short to hold the fields, only the size and the lead byte can be judged.
    if (static_cast<std::size_t>(file.size()) < GameTypeRecord::Size)
        return findings;
    GameTypeRecord record;
    std::copy_n(file.data(), GameTypeRecord::Size, record.bytes.begin());
    return findings + valueFindings(record);
}

}  // namespace pellax
