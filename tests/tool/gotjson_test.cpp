// The JSON form of a game type, in-process: what got show --json writes and
// got set --json reads back.
#include "tool/arguments.h"
#include "tool/gotformat.h"
#include "tool/gotjson.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <random>

namespace pellax {
namespace {

GameTypeRecord roundTrip(const GameTypeRecord& record) { return recordFromJson(gotShowJson(QStringLiteral("f.got"), record), QStringLiteral("-")); }

QJsonObject shown(const GameTypeRecord& record) {
    return QJsonDocument::fromJson(gotShowJson(QStringLiteral("f.got"), record)).object();
}

GameTypeRecord fromObject(const QJsonObject& object) {
    return recordFromJson(QJsonDocument(object).toJson(), QStringLiteral("-"));
}

GameTypeRecord newRecord() {
    GameTypeRecord r;
    applyNewDefaults(r);
    return r;
}

TEST(GotJson, EveryRecordComesBackByteForByte) {
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> byte(0, 255);
    // Mostly small bytes, so that names hold zero fill and colour codes and the
    // selections fall inside their lists as often as not.
    std::uniform_int_distribution<int> small(0, 12);
    for (int n = 0; n < 3000; ++n) {
        GameTypeRecord record;
        for (auto& b : record.bytes)
            b = static_cast<std::uint8_t>(n % 2 ? byte(random) : small(random));
        ASSERT_EQ(roundTrip(record), record) << "record " << n << ": " << gotShowJson({}, record).toStdString();
    }
}

TEST(GotJson, AnEditedKeyChangesOnlyItsBytes) {
    GameTypeRecord record = newRecord();
    record.set(0x50, 7);                          // alliances the game does not know
    record.bytes[0x05] = 0;                       // a name with bytes after its zero fill
    record.bytes[0x06] = 'Z';
    QJsonObject object = shown(record);
    ASSERT_TRUE(object.contains(QStringLiteral("exact")));
    object[QStringLiteral("fog")] = QStringLiteral("warcraft 1 style");
    object[QStringLiteral("victoryvalue")] = 70000;
    object[QStringLiteral("numteams")] = 2;
    GameTypeRecord expected = record;
    expected.set(0x4C, 1);
    expected.setNumber(0x54, 4, 70000);
    expected.set(0x51, 2);
    EXPECT_EQ(fromObject(object), expected);

    // An edit of a control the exact bytes stood for replaces them.
    object[QStringLiteral("Canally")] = false;
    expected.set(0x50, 0);
    EXPECT_EQ(fromObject(object), expected);
}

TEST(GotJson, GameFieldsTakeAValueANameOrBothAlike) {
    QJsonObject object = shown(newRecord());
    EXPECT_EQ(object[QStringLiteral("fog")].toObject()[QStringLiteral("name")].toString(), QStringLiteral("On"));
    object[QStringLiteral("startpositions")] = QJsonObject{{QStringLiteral("name"), QStringLiteral("FIXED")}};
    object[QStringLiteral("cheats")] = 1;
    object[QStringLiteral("tournament")] = QStringLiteral("on");
    const GameTypeRecord r = fromObject(object);
    EXPECT_EQ(r.at(0x4E), 1);
    EXPECT_EQ(r.at(0x52), 1);
    EXPECT_EQ(r.at(0x53), 1);

    const auto refused = [](QJsonObject o, const char* key, const QJsonValue& value, const char* message) {
        o[QLatin1String(key)] = value;
        try {
            fromObject(o);
            ADD_FAILURE() << key << " taken";
        } catch (const UsageError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(message))) << e.message().toStdString();
        }
    };
    refused(object, "fog", QJsonObject{{QStringLiteral("value"), 0}, {QStringLiteral("name"), QStringLiteral("on")}},
            "fog: value 0 and name \"on\" are different values");
    refused(object, "fog", 256, "fog: expected a whole number from 0 to 255, not 256");
    refused(object, "unitstats", QStringLiteral("fast"), "unitstats: no value named the text \"fast\"");
    refused(object, "victoryvalue", QStringLiteral("1"), "victoryvalue: expected a whole number");
    // "Use default minerals" checked stands for every resource type but 0.
    refused(object, "resources", QJsonObject{{QStringLiteral("value"), 0}, {QStringLiteral("name"), QString()}},
            "defaultmin and resources give byte 0x4A different values");
    object[QStringLiteral("resources")] = QStringLiteral("medium");
    EXPECT_EQ(fromObject(object).at(0x4A), 3);
}

}  // namespace
}  // namespace pellax
