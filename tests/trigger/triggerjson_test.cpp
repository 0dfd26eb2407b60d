// Triggers as JSON: the round trip, the object's shape, what a script may
// leave out, and the objects refused.
#include "framework/files/exception.h"
#include "randomtriggers.h"
#include "support/qtprinters.h"
#include "trigger/triggerjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace pellax {
namespace {

QString refusal(const char* json) {
    try {
        triggersFromJson(QByteArray(json));
    } catch (const Exception& e) {
        return e.message();
    }
    return QStringLiteral("(accepted)");
}

TEST(TriggerJson, EveryRandomFileComesBackByteForByte) {
    test::RandomTriggers random(2027);
    for (int file = 0; file < 3000; ++file) {
        const TriggerList triggers = random.file(2);
        const QByteArray json = triggersToJson(triggers, QStringLiteral("f.trg"));
        ASSERT_EQ(triggerFileBytes(triggersFromJson(json)), triggerFileBytes(triggers)) << "file " << file << "\n"
                                                                                       << json.toStdString();
    }
}

TEST(TriggerJson, DamagedJsonIsReadOrRefusedNeverMisread) {
    test::RandomTriggers random(2901);
    const char signs[] = "{}[],:\"\\ 0-e.tnu";
    for (int n = 0; n < 500; ++n) {
        QByteArray json = triggersToJson(random.file(2));
        for (int cuts = 1 + static_cast<int>(random.below(4)); cuts > 0 && !json.isEmpty(); --cuts) {
            const auto at = static_cast<qsizetype>(random.below(static_cast<std::uint32_t>(json.size())));
            switch (random.below(3)) {
            case 0: json.remove(at, 1 + random.below(8)); break;
            case 1: json.insert(at, signs[random.below(sizeof signs - 1)]); break;
            default: json[at] = signs[random.below(sizeof signs - 1)]; break;
            }
        }
        try {
            const TriggerList triggers = triggersFromJson(json);
            ASSERT_EQ(triggersFromJson(triggersToJson(triggers)), triggers);
        } catch (const Exception& e) {
            ASSERT_FALSE(e.message().isEmpty());
        }
    }
}

TEST(TriggerJson, EachTriggerConditionAndActionIsAnObjectWithItsFieldsByName) {
    Trigger trigger;
    trigger.owners[17] = 1;
    trigger.owners[0] = 9;
    trigger.flags = triggerflag::Preserved;
    trigger.conditions[0].setValue(cf::Type, 15);
    trigger.conditions[0].setValue(cf::Player, 13);
    trigger.conditions[0].setValue(cf::Unit, 229);
    trigger.conditions[2].setValue(cf::Type, 200);
    trigger.actions[0].setValue(af::Type, 9);
    trigger.actions[0].setValue(af::Unused, 0xABCDEF);
    const QByteArray json = triggersToJson({trigger}, QStringLiteral("a \"b\".trg"));
    EXPECT_TRUE(json.endsWith("}\n"));
    EXPECT_EQ(json.count('\n'), 1);
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(object[u"file"].toString(), QStringLiteral("a \"b\".trg"));
    const QJsonObject first = object[u"triggers"].toArray()[0].toObject();
    EXPECT_EQ(first[u"players"].toObject(), (QJsonObject{{QStringLiteral("Player 1"), 9}, {QStringLiteral("All Players"), 1}}));
    EXPECT_EQ(first[u"flags"].toInt(), 4);
    EXPECT_EQ(first[u"currentAction"].toInt(), 0);
    const QJsonArray conditions = first[u"conditions"].toArray();
    ASSERT_EQ(conditions.size(), 3);  // up to the last used slot
    EXPECT_EQ(conditions[0].toObject(),
              (QJsonObject{{QStringLiteral("type"), 15}, {QStringLiteral("name"), QStringLiteral("Deaths")},
                           {QStringLiteral("location"), 0}, {QStringLiteral("player"), 13}, {QStringLiteral("number"), 0},
                           {QStringLiteral("unit"), 229}, {QStringLiteral("comparison"), 0}, {QStringLiteral("resource"), 0},
                           {QStringLiteral("flags"), 0}, {QStringLiteral("unused"), 0}}));
    EXPECT_FALSE(conditions[1].toObject().contains(u"name"));
    EXPECT_FALSE(conditions[2].toObject().contains(u"name"));
    const QJsonObject action = first[u"actions"].toArray()[0].toObject();
    EXPECT_EQ(action[u"name"].toString(), QStringLiteral("Display Text Message"));
    EXPECT_EQ(action[u"unused"].toInt(), 0xABCDEF);
    EXPECT_EQ(action.size(), 12);
}

TEST(TriggerJson, AScriptMayLeaveOutWhatIsZeroAndNameTypes) {
    const TriggerList triggers = triggersFromJson(
        R"({"triggers": [{"players": {"all players": 1, "P2": 3},
                          "conditions": [{"name": "Always"}, {"type": "commands the most at", "unit": 7}],
                          "actions": [{"type": 1, "name": "Victory"}, {}, {"type": 99, "flags": 2}]}]})");
    ASSERT_EQ(triggers.size(), 1u);
    const Trigger& t = triggers[0];
    EXPECT_EQ(t.owners[17], 1);
    EXPECT_EQ(t.owners[1], 3);
    EXPECT_EQ(t.conditions[0].type(), 22);
    EXPECT_EQ(t.conditions[1].type(), 7);
    EXPECT_EQ(t.conditions[1].value(cf::Unit), 7u);
    EXPECT_EQ(t.conditions[1].value(cf::Flags), 0u);
    EXPECT_EQ(t.actions[0].type(), 1);
    EXPECT_TRUE(t.actions[1].isZero());
    EXPECT_EQ(t.actions[2].type(), 99);
    EXPECT_TRUE(t.actions[2].disabled());
    EXPECT_EQ(t.flags, 0u);
    EXPECT_TRUE(triggersFromJson(R"({"triggers": []})").empty());
}

TEST(TriggerJson, AnObjectAtFaultIsRefusedSayingWhere) {
    EXPECT_EQ(refusal(""), QStringLiteral("empty; expected one object as trg show --json writes it"));
    EXPECT_TRUE(refusal("{\"triggers\": [").startsWith(QStringLiteral("not JSON: ")));
    EXPECT_EQ(refusal("[]"), QStringLiteral("expected one object as trg show --json writes it"));
    EXPECT_EQ(refusal("{\"file\": \"x\"}"), QStringLiteral("triggers: expected the list of triggers, not null"));
    EXPECT_EQ(refusal("{\"triggers\": [], \"trigger\": 1}"), QStringLiteral("unknown key \"trigger\"; the keys are file, triggers"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"flag\": 1}]}"),
              QStringLiteral("triggers[0]: unknown key \"flag\"; the keys are players, flags, currentAction, conditions, actions"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"flags\": -1}]}"),
              QStringLiteral("triggers[0].flags: expected a whole number from 0 to 4294967295, not -1"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"currentAction\": 1.5}]}"),
              QStringLiteral("triggers[0].currentAction: expected a whole number from 0 to 255, not 1.5"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"players\": {\"Player 13\": 1}}]}"),
              QStringLiteral("triggers[0].players.Player 13: not a player or group (\"Player 1\" to \"Player 12\", \"Current "
                             "Player\"... \"Non Allied Victory Players\")"));
    EXPECT_EQ(refusal("{\"triggers\": [{}, {\"actions\": [{\"player\": \"Foes\"}]}]}"),
              QStringLiteral("triggers[1].actions[0].player: expected a whole number from 0 to 4294967295, not the text \"Foes\""));
    EXPECT_EQ(refusal("{\"triggers\": [{\"conditions\": [{\"unit\": 65536}]}]}"),
              QStringLiteral("triggers[0].conditions[0].unit: expected a whole number from 0 to 65535, not 65536"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"conditions\": [{\"type\": 2, \"name\": \"Always\"}]}]}"),
              QStringLiteral("triggers[0].conditions[0]: \"type\" 2 and \"name\" Always differ"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"actions\": [{\"name\": \"Victry\"}]}]}"),
              QStringLiteral("triggers[0].actions[0].name: no type is called \"Victry\""));
    EXPECT_EQ(refusal("{\"triggers\": [{\"actions\": [{\"text\": 1, \"sound\": 2, \"colour\": 3}]}]}"),
              QStringLiteral("triggers[0].actions[0]: unknown key \"colour\"; the keys are type, name, location, text, sound, "
                             "time, player, number, unit, modifier, flags, unused"));
    EXPECT_EQ(refusal("{\"triggers\": [{\"flags\": 1e999}]}"), QStringLiteral("not JSON: a number out of range at byte 24"));
    EXPECT_EQ(refusal("{\"triggers\": [], \"file\": \"a\\q\"}"), QStringLiteral("not JSON: an unknown escape in a text at byte 27"));
    EXPECT_EQ(refusal("{\"triggers\": []} {}"), QStringLiteral("not JSON: more after the end of the object at byte 17"));
    // Nesting without end is refused, not followed down the stack.
    EXPECT_EQ(refusal("{\"triggers\": [{\"flags\": " + QByteArray(100000, '[') + "}]}"),
              QStringLiteral("not JSON: lists and objects nested too deep at byte 536"));
    QByteArray seventeen = "{\"triggers\": [{\"conditions\": [{}";
    for (int i = 1; i < 17; ++i)
        seventeen += ", {}";
    EXPECT_EQ(refusal(seventeen + "]}]}"), QStringLiteral("triggers[0].conditions: a trigger holds at most 16 conditions"));
}

}  // namespace
}  // namespace pellax
