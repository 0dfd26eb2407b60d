#include "got/gametriggerfile.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

using Use = GameTriggerFile::Use;

// Each victory condition the game knows, with a variation value the file of
// resources and slaughter is there for.
TEST(GameTriggerFile, EachVictoryConditionPicksItsFileOrNone) {
    const struct {
        std::uint32_t victory, variation;
        Use use;
        const char* member;
    } cases[] = {
        {0, 0, Use::None, ""},                                 // map default
        {1, 2500, Use::File, "triggers\\Melee.trg"},           // the variation value plays no part
        {2, 0, Use::None, ""},                                 // high score
        {3, 2500, Use::File, "triggers\\Greed2500.trg"},       //
        {3, 10000, Use::File, "triggers\\Greed10000.trg"},     //
        {4, 0, Use::None, ""},                                 // capture the flag
        {5, 7, Use::File, "triggers\\SuddenDeath.trg"},        //
        {6, 15, Use::File, "triggers\\Slaughter15.trg"},       //
        {6, 60, Use::File, "triggers\\Slaughter60.trg"},       //
        {7, 0, Use::File, "triggers\\Melee.trg"},              // one on one
        {8, 0, Use::UnknownVictory, ""},                       //
    };
    for (const auto& c : cases) {
        const GameTriggerFile file = gameTriggerFile(c.victory, c.variation);
        EXPECT_EQ(file.use, c.use) << c.victory << "/" << c.variation;
        EXPECT_EQ(file.member, QByteArray(c.member)) << c.victory << "/" << c.variation;
    }
}

TEST(GameTriggerFile, ResourcesAndSlaughterWithAVariationValueThatHasNoFileStartNoGame) {
    // Each other's values, 0, one off, and a value whose low byte is a good one.
    for (const auto& [victory, variation] : {std::pair{3u, 15u}, {3u, 0u}, {3u, 2501u}, {3u, 256u + 15u},
                                            std::pair{6u, 2500u}, {6u, 16u}, {6u, 0x1000000Fu}}) {
        const GameTriggerFile file = gameTriggerFile(victory, variation);
        EXPECT_EQ(file.use, Use::NoGame) << victory << "/" << variation;
        EXPECT_TRUE(file.member.isEmpty());
    }
    EXPECT_EQ(gameTriggerFileText(gameTriggerFile(6, 20)),
              QStringLiteral("none: the game will not start a game of it"));
}

TEST(GameTriggerFile, AnArchiveHoldsTheFileByAnyCaseAndSlash) {
    const QList<QByteArray> members = {"templates\\Melee.got", "TRIGGERS/melee.TRG", "triggers\\Greed5000.trg.bak"};
    const GameTriggerFile melee = gameTriggerFile(1, 0);
    EXPECT_EQ(findArchiveMember(members, melee.member), QByteArray("TRIGGERS/melee.TRG"));
    EXPECT_EQ(triggerFileInArchive(melee, members), std::optional<bool>(true));
    EXPECT_EQ(gameTriggerFileText(melee, true), QStringLiteral("triggers\\Melee.trg, in this archive"));
    const GameTriggerFile greed = gameTriggerFile(3, 5000);
    EXPECT_EQ(triggerFileInArchive(greed, members), std::optional<bool>(false));
    EXPECT_EQ(gameTriggerFileText(greed, false), QStringLiteral("triggers\\Greed5000.trg, not in this archive"));
    EXPECT_EQ(triggerFileInArchive(gameTriggerFile(2, 0), members), std::nullopt);  // no file to look for
}

}  // namespace
}  // namespace pellax
