#include "got/gamecheck.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

// A record the game reads as it stands: New's defaults.
GameTypeRecord sound() {
    GameTypeRecord r;
    applyNewDefaults(r);
    return r;
}

QByteArray fileOf(const GameTypeRecord& r) {
    return QByteArray(reinterpret_cast<const char*>(r.bytes.data()), GameTypeRecord::Size) + QByteArray(1, 0);
}

TEST(GameCheck, NewIsReadAsItStands) {
    EXPECT_EQ(gameRecordFindings(sound()), QStringList());
    const QByteArray file = fileOf(sound());
    EXPECT_EQ(gameFileFindings(file, 97), QStringList());
}

TEST(GameCheck, TheLoaderSkipsAFileOfAnotherSizeOrLeadByte) {
    const QByteArray file = fileOf(sound());
    EXPECT_EQ(gameFileFindings(file, 98),
              QStringList{QStringLiteral("The file is 98 bytes long, not 97: the game skips it.")});
    EXPECT_EQ(gameFileFindings(file.left(96), 96).size(), 1);
    // Too short for the fields: the size and the lead byte are all there is to judge.
    EXPECT_EQ(gameFileFindings(QByteArray(1, 4), 1),
              (QStringList{QStringLiteral("The file is 1 bytes long, not 97: the game skips it."),
                           QStringLiteral("The first byte is 4, not 3: the game skips the file.")}));
    GameTypeRecord r = sound();
    r.set(0x00, 2);
    EXPECT_EQ(gameRecordFindings(r), QStringList{QStringLiteral("The first byte is 2, not 3: the game skips the file.")});
}

// Each rule with the first value that breaks it and the last that does not.
TEST(GameCheck, EachFieldIsJudgedByWhatTheGameTakes) {
    struct Case {
        GameFieldId field;
        std::uint32_t fine;
        std::uint32_t broken;
        const char* finding;
    };
    const Case cases[] = {
        {GameFieldId::GameTypeId, 128, 129, "Game type ID is 129, 129 or more: the game skips the file."},
        {GameFieldId::GameTypeId, 14, 129, nullptr},  // an ID the game does not name is still taken
        {GameFieldId::VariationId, 7, 8, "Variation ID is 8, 8 or more: the game skips the file."},
        {GameFieldId::VictoryConditions, 7, 8,
         "Victory conditions is 8, which the game does not know: it takes 0 Map default, 1 Melee, 2 High score, "
         "3 Resources, 4 Capture the flag, 5 Sudden death, 6 Slaughter or 7 One on one."},
        {GameFieldId::ResourceType, 5, 6, nullptr},
        {GameFieldId::UnitStats, 1, 2, nullptr},
        {GameFieldId::FogOfWar, 2, 3, "Fog of war is 3, which the game does not know: it takes 0 Off, 1 Warcraft 1 style or 2 On."},
        {GameFieldId::StartingUnits, 2, 3, nullptr},
        {GameFieldId::StartingPositions, 1, 2, nullptr},
        {GameFieldId::PlayerTypes, 4, 5, "Player types is 5, which the game does not know: it takes 0 to 4."},
        {GameFieldId::Alliances, 1, 2, nullptr},
        {GameFieldId::TeamMode, 2, 1, "Team mode is 1, which the game does not take: 0 for off, or 2, 3 or 4 teams."},
        {GameFieldId::TeamMode, 4, 5, nullptr},
        {GameFieldId::Cheats, 1, 2, nullptr},
        {GameFieldId::TournamentMode, 1, 255, nullptr},
    };
    for (const Case& c : cases) {
        const GameField& field = gameField(c.field);
        GameTypeRecord r = sound();
        r.setValue(field, c.fine);
        EXPECT_EQ(gameRecordFindings(r), QStringList()) << field.name << " " << c.fine;
        r.setValue(field, c.broken);
        const QStringList findings = gameRecordFindings(r);
        ASSERT_EQ(findings.size(), 1) << field.name << " " << c.broken;
        if (c.finding)
            EXPECT_EQ(findings.front(), QString::fromUtf8(c.finding));
        else
            EXPECT_TRUE(findings.front().startsWith(QLatin1String(field.name))) << findings.front().toStdString();
    }
}

TEST(GameCheck, GreedAndSlaughterNeedAValueTheGameHasATriggerFor) {
    GameTypeRecord r = sound();
    const GameField& victory = gameField(GameFieldId::VictoryConditions);
    const GameField& variation = gameField(GameFieldId::VariationValue);
    r.setValue(victory, 3);
    r.setValue(variation, 10000);
    EXPECT_EQ(gameRecordFindings(r), QStringList());
    r.setValue(variation, 10120);
    EXPECT_EQ(gameRecordFindings(r),
              QStringList{QStringLiteral("Victory conditions \"Resources\" need a variation value the game has a "
                                         "trigger for (2500, 5000, 7500 or 10000 resources), not 10120.")});
    r.setValue(victory, 6);
    r.setValue(variation, 60);
    EXPECT_EQ(gameRecordFindings(r), QStringList());
    r.setValue(variation, 10000);
    EXPECT_EQ(gameRecordFindings(r).size(), 1);
    // Other victory conditions do not look at the value.
    r.setValue(victory, 1);
    EXPECT_EQ(gameRecordFindings(r), QStringList());
}

}  // namespace
}  // namespace pellax
