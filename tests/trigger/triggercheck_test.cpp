// What the game cannot use in a trigger file: each rule with a file that
// breaks it and one that keeps it.
#include "support/qtprinters.h"
#include "trigger/triggercheck.h"
#include "triggertestsupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace pellax {
namespace {

// The game's defeat trigger: it runs for all players and uses a player and a unit type.
Trigger defeat() {
    Trigger t;
    t.owners[17] = 1;
    t.conditions[0].setValue(cf::Type, 2);
    t.conditions[0].setValue(cf::Player, 13);
    t.conditions[0].setValue(cf::Unit, 231);
    t.conditions[0].setValue(cf::Comparison, 1);
    t.actions[0].setValue(af::Type, 2);
    return t;
}

QStringList findingsWith(const std::function<void(Trigger&)>& change) {
    Trigger second = defeat();
    change(second);
    return triggerFileFindings(triggerFileBytes({defeat(), second}));
}

TEST(TriggerCheck, EachRuleWithAFileThatBreaksItAndOneThatDoesNot) {
    EXPECT_EQ(triggerFileFindings(triggerFileBytes({defeat()})), QStringList());
    EXPECT_EQ(triggerFileFindings(triggerFileBytes({})), QStringList());

    // The file's size and header.
    EXPECT_EQ(triggerFileFindings(triggerFileBytes({defeat()}).mid(1)),
              QStringList{QStringLiteral("The file does not begin with the trigger header")});
    EXPECT_EQ(triggerFileFindings(triggerFileBytes({defeat()}) + "x"),
              QStringList{QStringLiteral("2401 bytes after the header are not a whole number of triggers (2400 bytes each)")});

    // Types.
    EXPECT_EQ(findingsWith([](Trigger& t) { t.conditions[1].setValue(cf::Type, 23); }), QStringList());
    EXPECT_EQ(findingsWith([](Trigger& t) { t.conditions[1].setValue(cf::Type, 24); }),
              QStringList{QStringLiteral("trigger 2, condition 2: type 24 is not a condition the game knows (1 to 23)")});
    EXPECT_EQ(findingsWith([](Trigger& t) { t.actions[63].setValue(af::Type, 59); }), QStringList());
    EXPECT_EQ(findingsWith([](Trigger& t) { t.actions[63].setValue(af::Type, 255); }),
              QStringList{QStringLiteral("trigger 2, action 64: type 255 is not an action the game knows (1 to 59)")});

    // Unit types, where a type takes one.
    EXPECT_EQ(findingsWith([](Trigger& t) { t.conditions[0].setValue(cf::Unit, 232); }), QStringList());
    EXPECT_EQ(findingsWith([](Trigger& t) { t.conditions[0].setValue(cf::Unit, 233); }),
              QStringList{QStringLiteral("trigger 2, condition 1 (Command), Unit: 233 is above 232, the last unit type")});
    EXPECT_EQ(findingsWith([](Trigger& t) { t.actions[0].setValue(af::Unit, 999); }), QStringList());  // Defeat takes none

    // Players and groups, where a type takes one; disabled ones count too.
    EXPECT_EQ(findingsWith([](Trigger& t) { t.conditions[0].setValue(cf::Player, 26); }), QStringList());
    EXPECT_EQ(findingsWith([](Trigger& t) {
                  t.conditions[0].setValue(cf::Player, 27);
                  t.conditions[0].setValue(cf::Flags, slotflag::Disabled);
              }),
              QStringList{QStringLiteral("trigger 2, condition 1 (Command), Player: 27 is above 26, the last player or group")});
    EXPECT_EQ(findingsWith([](Trigger& t) {
                  t.actions[1].setValue(af::Type, 48);  // Give Units to Player: the second player is at 20
                  t.actions[1].setValue(af::Number, 100);
                  t.actions[1].setValue(af::Player, 26);
              }),
              QStringList{QStringLiteral("trigger 2, action 2 (Give Units to Player), To: 100 is above 26, the last player or group")});
    EXPECT_EQ(findingsWith([](Trigger& t) { t.conditions[1].setValue(cf::Player, 500); }), QStringList());  // an empty slot

    // Who the trigger runs for.
    EXPECT_EQ(findingsWith([](Trigger& t) {
                  t.owners = {};
                  t.owners[26] = 7;
              }),
              QStringList());
    EXPECT_EQ(findingsWith([](Trigger& t) { t.owners = {}; }), QStringList{QStringLiteral("trigger 2 runs for no player or group")});
}

}  // namespace
}  // namespace pellax
