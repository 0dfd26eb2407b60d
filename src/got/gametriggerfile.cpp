#include "got/gametriggerfile.h"

#include "got/gametypeschema.h"

#include <algorithm>

namespace pellax {

namespace {

constexpr std::uint32_t kMelee = 1;
constexpr std::uint32_t kSuddenDeath = 5;
constexpr std::uint32_t kOneOnOne = 7;
// The victory conditions the game plays without a file: map default, high score, capture the flag.
constexpr std::array<std::uint32_t, 3> kWithoutFile = {0, 2, 4};

template <std::size_t N>
bool holds(const std::array<std::uint32_t, N>& values, std::uint32_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

QByteArray normalised(QByteArray name) { return name.replace('/', '\\').toLower(); }

}  // namespace

GameTriggerFile gameTriggerFile(std::uint32_t victory, std::uint32_t variation) {
    GameTriggerFile file;
    file.victory = victory;
    file.variation = variation;
    const auto named = [&](const QByteArray& name) {
        file.use = GameTriggerFile::Use::File;
        file.member = QByteArrayLiteral("triggers\\") + name + QByteArrayLiteral(".trg");
    };
    if (victory == kMelee || victory == kOneOnOne)
        named(QByteArrayLiteral("Melee"));
    else if (victory == kSuddenDeath)
        named(QByteArrayLiteral("SuddenDeath"));
    else if (victory == gamevalues::kVictoryResources || victory == gamevalues::kVictorySlaughter) {
        const bool greed = victory == gamevalues::kVictoryResources;
        if (greed ? holds(gamevalues::kGreedResources, variation) : holds(gamevalues::kSlaughterMinutes, variation))
            named((greed ? QByteArrayLiteral("Greed") : QByteArrayLiteral("Slaughter")) + QByteArray::number(variation));
        else
            file.use = GameTriggerFile::Use::NoGame;
    } else if (holds(kWithoutFile, victory))
        file.use = GameTriggerFile::Use::None;
    else
        file.use = GameTriggerFile::Use::UnknownVictory;
    return file;
}

GameTriggerFile gameTriggerFile(const GameTypeRecord& record) {
    return gameTriggerFile(record.value(gameField(GameFieldId::VictoryConditions)),
                           record.value(gameField(GameFieldId::VariationValue)));
}

QByteArray findArchiveMember(const QList<QByteArray>& members, const QByteArray& member) {
    const QByteArray wanted = normalised(member);
    for (const QByteArray& name : members) {
        if (normalised(name) == wanted)
            return name;
    }
    return {};
}

std::optional<bool> triggerFileInArchive(const GameTriggerFile& file, const QList<QByteArray>& members) {
    if (file.use != GameTriggerFile::Use::File)
        return std::nullopt;
    return !findArchiveMember(members, file.member).isEmpty();
}

QString gameTriggerFileText(const GameTriggerFile& file, std::optional<bool> inArchive) {
    switch (file.use) {
    case GameTriggerFile::Use::File: {
        QString text = QString::fromLatin1(file.member);
        if (inArchive)
            text += *inArchive ? QStringLiteral(", in this archive") : QStringLiteral(", not in this archive");
        return text;
    }
    case GameTriggerFile::Use::None: return QStringLiteral("none: the game plays it without a trigger file");
    case GameTriggerFile::Use::NoGame:
        return QStringLiteral("none: the game will not start a game of it");
    case GameTriggerFile::Use::UnknownVictory:
        return QStringLiteral("unknown: the game does not know victory conditions %1").arg(file.victory);
    }
    return {};
}

}  // namespace pellax
