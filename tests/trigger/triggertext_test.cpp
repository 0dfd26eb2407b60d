// Triggers as text: the map editors' form, its round trip, its forgiving
// reading and its errors.
#include "randomtriggers.h"
#include "support/qtprinters.h"
#include "trigger/triggertext.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace pellax {
namespace {

// The game's melee triggers as the map editors' form writes them.
const QString kMelee = QStringLiteral(
    "Trigger(\"All Players\"){\n"
    "Conditions:\n"
    "\tOpponents(\"Current Player\", At most, 0);\n"
    "\n"
    "Actions:\n"
    "\tVictory();\n"
    "}\n"
    "\n"
    "//-----------------------------------------------------------------//\n"
    "\n"
    "Trigger(\"All Players\"){\n"
    "Conditions:\n"
    "\tCommand(\"Current Player\", \"Buildings\", At most, 0);\n"
    "\n"
    "Actions:\n"
    "\tDefeat();\n"
    "}\n"
    "\n"
    "//-----------------------------------------------------------------//\n"
    "\n");

TriggerList compiled(const QString& text) {
    const CompiledTriggers result = compileTriggerText(text);
    for (const TriggerTextError& error : result.errors)
        ADD_FAILURE() << error.line << ":" << error.column << ": " << error.message.toStdString() << "\nin:\n"
                      << text.toStdString();
    return result.triggers;
}

// One trigger for Player 1 with these conditions and actions.
QString wrapped(const QString& conditions, const QString& actions) {
    return QStringLiteral("Trigger(\"Player 1\"){\nConditions:\n%1\nActions:\n%2}\n").arg(conditions, actions);
}

TEST(TriggerText, TheMeleeTriggersAreReadAndWrittenInTheMapEditorsForm) {
    const TriggerList melee = compiled(kMelee);
    ASSERT_EQ(melee.size(), 2u);
    const TriggerCondition& opponents = melee[0].conditions[0];
    EXPECT_EQ(opponents.type(), 14);
    EXPECT_EQ(opponents.value(cf::Player), 13u);      // Current Player
    EXPECT_EQ(opponents.value(cf::Comparison), 1u);  // at most
    EXPECT_EQ(opponents.value(cf::Flags), 0u);
    EXPECT_EQ(melee[0].actions[0].type(), 1);
    const TriggerCondition& command = melee[1].conditions[0];
    EXPECT_EQ(command.type(), 2);
    EXPECT_EQ(command.value(cf::Unit), 231u);  // Buildings
    EXPECT_EQ(command.value(cf::Flags), slotflag::UnitTypeUsed);
    EXPECT_EQ(melee[1].actions[0].type(), 2);
    EXPECT_TRUE(melee[1].conditions[1].isZero());
    for (const Trigger& trigger : melee) {
        EXPECT_EQ(trigger.owners[17], 1);
        EXPECT_EQ(std::count(trigger.owners.begin(), trigger.owners.end(), 0), 26);
    }
    EXPECT_EQ(triggersToText(melee), kMelee);
}

TEST(TriggerText, EveryRandomFileComesBackByteForByte) {
    test::RandomTriggers random(27);
    for (int file = 0; file < 3000; ++file) {
        const TriggerList triggers = random.file(2);
        const QString text = triggersToText(triggers);
        const CompiledTriggers back = compileTriggerText(text);
        ASSERT_TRUE(back.ok()) << "file " << file << ", " << back.errors.front().line << ":"
                               << back.errors.front().column << ": " << back.errors.front().message.toStdString()
                               << "\n" << text.toStdString();
        ASSERT_EQ(triggerFileBytes(back.triggers), triggerFileBytes(triggers)) << "file " << file << "\n" << text.toStdString();
    }
}

TEST(TriggerText, WhatTheArgumentsDoNotShowIsKeptByName) {
    Trigger trigger;
    trigger.owners[0] = 5;
    trigger.owners[13] = 1;
    trigger.flags = triggerflag::Preserved | triggerflag::SwitchedOff;
    trigger.currentAction = 3;
    TriggerCondition& command = trigger.conditions[0];
    command.setValue(cf::Type, 2);
    command.setValue(cf::Player, 13);
    command.setValue(cf::Unit, 0);
    command.setValue(cf::Location, 5);    // not used by Command
    command.setValue(cf::Flags, 0x02);    // disabled, and the unit type not marked used
    TriggerCondition& unknown = trigger.conditions[2];  // after an empty slot
    unknown.setValue(cf::Type, 99);
    unknown.setValue(cf::Number, 7);
    TriggerAction& message = trigger.actions[0];
    message.setValue(af::Type, 9);
    message.setValue(af::Text, 4);
    message.setValue(af::Flags, slotflag::AlwaysDisplay);
    message.setValue(af::Unused, 0x010203);
    TriggerAction& script = trigger.actions[1];
    script.setValue(af::Type, 15);
    script.setValue(af::Number, 'T' | 'M' << 8 | 'C' << 16 | 'u' << 24);

    const QString text = triggersToText({trigger});
    EXPECT_EQ(text, QStringLiteral("Trigger(\"Player 1\":5,\"Current Player\"){\n"
                                   "Conditions:\n"
                                   "\t;Command(\"Current Player\", \"Terran Marine\", At least, 0, Location=5, Flags=0x02);\n"
                                   "\tCustom(0, 0, 0, 0, 0, 0, 0, 0x00, 0);\n"
                                   "\tCustom(0, 0, 7, 0, 0, 99, 0, 0x00, 0);\n"
                                   "\n"
                                   "Actions:\n"
                                   "\tDisplay Text Message(Always Display, \"String 4\", Unused=66051);\n"
                                   "\tRun AI Script(\"TMCu\");\n"
                                   "\n"
                                   "Flags:\n"
                                   "00000000000000000000000000001100;\n"
                                   "\n"
                                   "Current Action:\n"
                                   "3;\n"
                                   "}\n"
                                   "\n"
                                   "//-----------------------------------------------------------------//\n"
                                   "\n"));
    const TriggerList back = compiled(text);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], trigger);
}

TEST(TriggerText, ReadingForgivesCaseSpacesAndOtherToolsSpellings) {
    const std::pair<const char*, const char*> alike[] = {
        {"command(\"current player\",\"buildings\",atmost,0);", "Command(\"Current Player\", \"Buildings\", At most, 0);"},
        {"  Deaths ( P1 , \"Hero Torrasque\" , >= , 5 ) ;", "Deaths(\"Player 1\", \"Torrasque (Ultralisk)\", At least, 5);"},
        {"Score(\"Foes\", Kills and Razings, ==, 3);", "Score(\"Foes\", Kills and razings, Exactly, 3);"},
        {"Opponents(\"P12\", <=, 1);", "Opponents(\"Player 12\", At most, 1);"},
        {"Commands the Most At(\"Men\", \"location 3\");", "Command the Most At(\"Men\", \"Location 3\");"},
        {"Switch(\"switch 1\", cleared);", "Switch(\"Switch 1\", not set);"},
        {"Accumulate(\"Allies\", At least, 50, minerals);", "Accumulate(\"Allies\", At least, 50, ore);"},
        {"Bring(\"Force 2\", 0, \"anywhere\", exactly, 0x10);", "Bring(\"Force 2\", \"Terran Marine\", \"Anywhere\", Exactly, 16);"},
    };
    for (const auto& [variant, canonical] : alike) {
        const QString wanted = wrapped(QLatin1StringView(canonical), QString());
        EXPECT_EQ(compiled(wrapped(QLatin1StringView(variant), QString())), compiled(wanted)) << variant;
        EXPECT_EQ(triggersToText(compiled(wanted)).split(u'\n')[2], QStringLiteral("\t") + QLatin1StringView(canonical)) << canonical;
    }
    const std::pair<const char*, const char*> actions[] = {
        {"Set Resources(\"P2\", setto, 100, both);", "Set Resources(\"Player 2\", Set To, 100, ore and gas);"},
        {"set score(\"current player\", sub, 1, units and buildings);", "Set Score(\"Current Player\", Subtract, 1, Units and buildings);"},
        {"Leaderboard Greed(500);", "Leader Board Greed(500);"},
        {"Leader Board Goal Kills(\"String 1\", \"Men\", 5);", "Leaderboard Goal Kills(\"String 1\", \"Men\", 5);"},
        {"Set Doodad State(\"Neutral Players\", \"Zerg Queens Nest\", \"None\", enabled);",
         "Set Doodad State(\"Neutral Players\", \"Zerg Queen's Nest\", \"None\", enable);"},
        {"Set Invincibility(\"All Players\", \"Factories\", \"Location 1\", disabled);",
         "Set Invincibility(\"All Players\", \"Factories\", \"Location 1\", disable);"},
        {"Create Unit(\"Player 8\", \"Zerg Zergling\", all, \"Location 2\");",
         "Create Unit(\"Player 8\", \"Zerg Zergling\", All, \"Location 2\");"},
        {"Set Switch(\"Switch 256\", randomise);", "Set Switch(\"Switch 256\", randomize);"},
        {"Modify Unit Hangar Count(\"Player 1\", \"Protoss Carrier\", 4, 1, \"Location 9\");",
         "Modify Unit Hanger Count(\"Player 1\", \"Protoss Carrier\", 4, 1, \"Location 9\");"},
        {"display text message(always display, \"string 7\");", "Display Text Message(Always Display, \"String 7\");"},
    };
    for (const auto& [variant, canonical] : actions) {
        const QString wanted = wrapped(QString(), QLatin1StringView(canonical));
        EXPECT_EQ(compiled(wrapped(QString(), QLatin1StringView(variant))), compiled(wanted)) << variant;
        EXPECT_EQ(triggersToText(compiled(wanted)).split(u'\n')[4], QStringLiteral("\t") + QLatin1StringView(canonical)) << canonical;
    }
    // Switches as map editors number them: the first one is stored as 0.
    EXPECT_EQ(compiled(wrapped(QStringLiteral("Switch(\"Switch 1\", set);"), QString()))[0].conditions[0].value(cf::Resource), 0u);
}

TEST(TriggerText, DamagedTextIsReadOrRefusedNeverMisread) {
    test::RandomTriggers random(2900);
    const char16_t signs[] = u"(){},;:\"=/ \n\tx0A";
    for (int n = 0; n < 500; ++n) {
        QString text = triggersToText(random.file(2));
        for (int cuts = 1 + static_cast<int>(random.below(4)); cuts > 0 && !text.isEmpty(); --cuts) {
            const auto at = static_cast<qsizetype>(random.below(static_cast<std::uint32_t>(text.size())));
            switch (random.below(3)) {
            case 0: text.remove(at, 1 + random.below(8)); break;
            case 1: text.insert(at, QChar(signs[random.below(std::size(signs) - 1)])); break;
            default: text[at] = QChar(signs[random.below(std::size(signs) - 1)]); break;
            }
        }
        const CompiledTriggers result = compileTriggerText(text);
        for (const TriggerTextError& error : result.errors) {
            ASSERT_GE(error.line, 1);
            ASSERT_GE(error.column, 1);
            ASSERT_FALSE(error.message.isEmpty());
        }
        if (result.ok()) {
            // What was read is what its own text says.
            ASSERT_EQ(compiled(triggersToText(result.triggers)), result.triggers) << text.toStdString();
        }
    }
}

struct ExpectedError {
    int line;
    int column;
    const char* message;
};

void expectErrors(const QString& text, std::initializer_list<ExpectedError> expected) {
    const CompiledTriggers result = compileTriggerText(text);
    std::vector<std::tuple<int, int, QString>> got;
    for (const TriggerTextError& error : result.errors)
        got.emplace_back(error.line, error.column, error.message);
    std::vector<std::tuple<int, int, QString>> want;
    for (const ExpectedError& error : expected)
        want.emplace_back(error.line, error.column, QString::fromUtf8(error.message));
    EXPECT_EQ(got, want) << text.toStdString();
}

TEST(TriggerText, EveryErrorIsToldWithItsLineColumnAndWhatWasExpected) {
    // The trigger's own shape.
    expectErrors(QStringLiteral("Trigge(\"Player 1\"){\nConditions:\nAlways();\nActions:\n}\n"),
                 {{1, 1, "expected \"Trigger(\", found \"Trigge\""}});
    expectErrors(QStringLiteral("Trigger\"Player 1\"){\n}\n"), {{1, 8, "expected \"(\", found \"Player 1\""}});
    expectErrors(QStringLiteral("Trigger(\"Player 13\",\"Foes\",\"Foes\",\"Player 2\":300){\n}\n"),
                 {{1, 9, "expected a player or group (\"Player 1\" to \"Player 12\", \"Current Player\", \"Foes\", "
                         "\"All Players\", \"Force 1\"...), found \"Player 13\""},
                  {1, 28, "\"Foes\" is given twice"},
                  {1, 46, "expected a number from 0 to 255 after \":\", found \"300\""}});
    expectErrors(QStringLiteral("Trigger(\"Player 1\")\nConditions:\n}\n"), {{1, 20, "expected \"{\""}});
    expectErrors(QStringLiteral("Trigger(\"Player 1\"){\n\tAlways();\nActions:\n}\n"),
                 {{2, 2, "expected \"Conditions:\", found \"Always\""}});
    expectErrors(QStringLiteral("Trigger(\"Player 1\"){\nActions:\nConditions:\nCondition:\n}\n"),
                 {{3, 1, "\"Conditions:\" comes too late: the order is Conditions:, Actions:, Flags:, Current Action:"},
                  {4, 1, "expected \"Conditions:\", \"Actions:\", \"Flags:\" or \"Current Action:\", found \"Condition:\""}});
    expectErrors(QStringLiteral("Trigger(\"Player 1\"){\nConditions:\n\tAlways();\n"),
                 {{3, 11, "expected \"}\" to end the trigger"}});
    expectErrors(QStringLiteral("Trigger(\"Player 1\"){\nActions:\n\tDefeat();\nFlags:\n012;\nCurrent Action:\n256;\n}\n"),
                 {{5, 1, "expected the trigger's 32 flags in binary (0 and 1), found \"012\""},
                  {7, 1, "expected the index of the current action, 0 to 255, found \"256\""}});

    // Statements.
    expectErrors(wrapped(QStringLiteral("\tComand(\"Player 1\", \"Men\", At least, 1);\n\tAlwys();\n"),
                         QStringLiteral("\tDefeet();\n\tFoo Bar Baz();\n")),
                 {{3, 2, "unknown condition \"Comand\": did you mean \"Command\"?"},
                  {4, 2, "unknown condition \"Alwys\": did you mean \"Always\"?"},
                  {7, 2, "unknown action \"Defeet\": did you mean \"Defeat\"?"},
                  {8, 2, "unknown action \"Foo Bar Baz\": expected an action such as \"Defeat\", or Custom(...)"}});
    expectErrors(wrapped(QStringLiteral("\tCommand(\"Current Player\", \"Buildings\", At most);\n"
                                        "\tAlways(1);\n"
                                        "\tCommand(\"Plyer 1\", \"Terran Marin\", At mos, -1);\n"),
                         QString()),
                 {{3, 48, "Command takes 4 arguments (Player, Unit, Comparison, Number), found 3"},
                  {4, 9, "Always takes no arguments, found 1"},
                  {5, 10, "Player: expected a player or group (\"Player 1\" to \"Player 12\", \"Current Player\", "
                          "\"Foes\", \"All Players\", \"Force 1\"...), found \"Plyer 1\""},
                  {5, 21, "Unit: expected a unit type (\"Terran Marine\", \"Any unit\", \"Buildings\"...), found \"Terran Marin\""},
                  {5, 37, "Comparison: expected a comparison (At least, At most, Exactly), found \"At mos\""},
                  {5, 45, "Number: expected a number, found \"-1\""}});
    expectErrors(wrapped(QStringLiteral("\tAlways()\n\tNever(;\n\tAlways(\n\tAlways());\n\tNever()\n"), QString()),
                 {{3, 10, "expected \";\""},
                  {4, 8, "expected an argument, found \";\""},
                  {5, 9, "expected an argument"},
                  {6, 10, "expected \";\", found \")\""},
                  {7, 9, "expected \";\""}});
    expectErrors(wrapped(QString(), QStringLiteral("\tComment(\"String 1);\n")),
                 {{5, 21, "expected \" to end the text begun in column 10"}});

    // Extras and Custom.
    expectErrors(wrapped(QStringLiteral("\tAlways(Foo=1, Player=2, Unused=70000, Number=1, Number=2);\n"
                                        "\tDeaths(Location=1, \"Player 1\", \"Men\", At least, 1);\n"
                                        "\tDeaths(\"Player 1\", \"Men\", At least, 1, Player=3);\n"
                                        "\tCustom(1, 2, 3);\n"
                                        "\tCustom(0, 0, 0, 0, 0, 0, 0, 256, 0);\n"),
                         QString()),
                 {{3, 9, "expected one of Location, Player, Number, Unit, Comparison, Resource, Flags, Unused before "
                         "\"=\", found \"Foo\""},
                  {3, 33, "Unused: expected a number from 0 to 65535, found \"70000\""},
                  {3, 50, "Number is given twice"},
                  {4, 21, "expected Field=value: the arguments come before the extras, found \"Player 1\""},
                  {5, 41, "Player is one of the arguments of Deaths, not an extra"},
                  {6, 8, "Custom takes 9 numbers (location, player, number, unit, comparison, type, resource, flags, "
                         "unused), found 3"},
                  {7, 30, "flags: expected a number from 0 to 255, found \"256\""}});

    // A trigger's slots.
    QString seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen += QStringLiteral("\tAlways();\n");
    expectErrors(wrapped(seventeen, QString()), {{19, 2, "a trigger holds at most 16 conditions"}});
}

}  // namespace
}  // namespace pellax
