// A map's triggers: its scenario's chain of sections, well made and
// deliberately malformed, in a bare scenario and inside a map archive.
#include "framework/files/exception.h"
#include "framework/files/filelocation.h"
#include "support/mpqbuilder.h"
#include "support/qtprinters.h"
#include "trigger/scenariosections.h"
#include "triggertestsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace pellax {
namespace {

QByteArray section(const QByteArray& name, const QByteArray& data, qint32 claimedSize) {
    QByteArray head = name;
    head.resize(8);
    qToLittleEndian<qint32>(claimedSize, head.data() + 4);
    return head + data;
}
QByteArray section(const QByteArray& name, const QByteArray& data) {
    return section(name, data, static_cast<qint32>(data.size()));
}

// Two triggers' records, recognisably filled.
QByteArray records() { return test::noiseBytes(2 * 2400, 9); }

// A scenario as maps have it: several sections, the triggers in the middle.
QByteArray scenario() {
    return section("VER ", QByteArray("\xCD\x00", 2)) + section("DIM ", QByteArray(4, 1)) + section("TRIG", records()) +
           section("MBRF", QByteArray()) + section("STR ", QByteArray(11, 'x'));
}

QString refusal(const QByteArray& chk) {
    try {
        triggersFromScenario(chk);
    } catch (const Exception& e) {
        return e.message();
    }
    return QStringLiteral("(accepted)");
}

TEST(ScenarioSections, TheTriggersAreFoundInTheChainOfSections) {
    const std::vector<ScenarioSection> sections = scenarioSections(scenario());
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_EQ(sections[2].name, QByteArray("TRIG"));
    EXPECT_EQ(sections[2].offset, 8 + 2 + 8 + 4);
    EXPECT_EQ(triggerRecords(triggersFromScenario(scenario())), records());
    EXPECT_TRUE(triggersFromScenario(section("TRIG", QByteArray())).empty());
}

TEST(ScenarioSections, AMalformedMapIsToldWhatIsWrongAndNothingOutsideItIsRead) {
    const QByteArray trig = section("TRIG", records());
    EXPECT_EQ(refusal(section("VER ", "ab")), QStringLiteral("The map has no TRIG section: it holds no triggers"));
    EXPECT_EQ(refusal(QByteArray()), QStringLiteral("The map has no TRIG section: it holds no triggers"));
    EXPECT_EQ(refusal(trig + section("UNIT", "x") + trig),
              QStringLiteral("The map has more than one TRIG section (at bytes 0 and 4817)"));
    EXPECT_EQ(refusal(section("TRIG", QByteArray(2401, 0))),
              QStringLiteral("The TRIG section's 2401 bytes are not a whole number of triggers (2400 bytes each)"));
    // Sizes that lie: more than is there, negative, the largest there is.
    EXPECT_EQ(refusal(trig + section("UNIT", "abc", 4)),
              QStringLiteral("The section \"UNIT\" at byte 4808 claims 4 bytes, but only 3 follow it: it runs past the end"));
    EXPECT_EQ(refusal(section("\x01\xFFMR", "abc", -3) + trig),
              QStringLiteral("The section \"\\x01\\xffMR\" at byte 0 claims a negative size (-3)"));
    EXPECT_EQ(refusal(trig + section("STR ", "abc", 0x7FFFFFFF)),
              QStringLiteral("The section \"STR \" at byte 4808 claims 2147483647 bytes, but only 3 follow it: it runs past the end"));
    EXPECT_EQ(refusal(section("TRIG", records(), static_cast<qint32>(0x80000000u))),
              QStringLiteral("The section \"TRIG\" at byte 0 claims a negative size (-2147483648)"));
    // Truncated inside a section's name and size.
    EXPECT_EQ(refusal(trig + "UNI"), QStringLiteral("The scenario ends 3 bytes into a section's 8-byte name and size, at byte 4808"));
}

TEST(ScenarioSections, MapsAreReadAsBareScenariosAndAsArchives) {
    QTemporaryDir dir;
    const QString bare = dir.filePath(QStringLiteral("map.CHK"));
    QFile file(bare);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(scenario());
    file.close();
    EXPECT_EQ(triggerRecords(readMapTriggers(bare)), records());

    const QString map = dir.filePath(QStringLiteral("map.scx"));
    test::buildArchive(map, {{"staredit\\scenario.chk", scenario()}, {"staredit\\wav\\a.wav", "RIFF"}}, false);
    EXPECT_EQ(triggerRecords(readMapTriggers(map)), records());
    EXPECT_EQ(triggerRecords(readMapTriggers(memberLocation(map, kScenarioMember))), records());

    // A map kept in a mod's archive.
    QFile mapFile(map);
    ASSERT_TRUE(mapFile.open(QIODevice::ReadOnly));
    const QString mod = dir.filePath(QStringLiteral("mod.mpq"));
    test::buildArchive(mod, {{"maps\\one.scx", mapFile.readAll(), test::Storage::Plain}});
    EXPECT_EQ(triggerRecords(readMapTriggers(memberLocation(mod, "maps\\one.scx"))), records());

    const QString empty = dir.filePath(QStringLiteral("empty.scm"));
    test::buildArchive(empty, {{"staredit\\other.chk", scenario()}});
    EXPECT_THROW(readMapTriggers(empty), Exception);
}

}  // namespace
}  // namespace pellax
