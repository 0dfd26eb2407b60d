// The trigger commands that read triggers, as scripts use them: show and set
// through text and JSON, check, and import from maps.
#include "support/mpqbuilder.h"
#include "toolfixture.h"

#include <QtEndian>

namespace pellax::test {
namespace {

using TriggerTool = Tool;

const QByteArray kHeader("\x71\x77\x98\x36\x18\x00\x00\x00", 8);

// A trigger for all players: Always() gives Victory(), preserved; with every
// other byte of its slots as a map leaves it, and one unused byte set.
QByteArray victoryTrigger() {
    QByteArray record(2400, 0);
    record[15] = 22;
    record[18] = 5;  // unused by Always
    record[320 + 26] = 1;
    record[2368] = 4;
    record[2372 + 17] = 1;
    return record;
}

QByteArray section(const QByteArray& name, const QByteArray& data, qint32 size) {
    QByteArray head = name;
    head.resize(8);
    qToLittleEndian<qint32>(size, head.data() + 4);
    return head + data;
}

TEST_F(TriggerTool, ShowAndSetCarryEveryByteThroughTextAndJson) {
    QByteArray file = kHeader + victoryTrigger();
    QByteArray noise(2400, 0);
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919) >> 3);
    file += noise;
    write(QStringLiteral("a.trg"), file);

    const ToolRun text = tool({QStringLiteral("trg"), QStringLiteral("show"), QStringLiteral("a.trg")});
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith(QStringLiteral("Trigger(\"All Players\"){\nConditions:\n\tAlways(Unused=5);\n\nActions:\n"
                                                   "\tVictory();\n\nFlags:\n00000000000000000000000000000100;\n}\n")))
        << text.out.toStdString();
    const ToolRun set = tool({QStringLiteral("trg"), QStringLiteral("set"), QStringLiteral("b.trg"), QStringLiteral("-")},
                             QString(), text.rawOut);
    EXPECT_EQ(set.status, 0) << set.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("b.trg")), file);

    const ToolRun json = tool({QStringLiteral("trg"), QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("a.trg")});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.startsWith(QStringLiteral("{\"file\":\"a.trg\",\"triggers\":[{\"players\":{\"All Players\":1}")));
    write(QStringLiteral("a.json"), json.rawOut);
    const ToolRun back = tool({QStringLiteral("trg"), QStringLiteral("set"), QStringLiteral("--json"), QStringLiteral("c.trg"),
                               QStringLiteral("a.json")});
    EXPECT_EQ(back.status, 0) << back.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("c.trg")), file);

    // Into an archive, as every write can.
    buildArchive(path(QStringLiteral("mod.mpq")), {{"templates\\Melee.got", sample()}});
    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("set"), QStringLiteral("mpq:mod.mpq::triggers\\Melee.trg"),
                    QStringLiteral("-")},
                   QString(), text.rawOut)
                  .status,
              0);
    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("show"), QStringLiteral("mpq:mod.mpq::triggers\\Melee.trg")}).out,
              text.out);
}

TEST_F(TriggerTool, TextThatDoesNotCompileGetsEveryErrorAndNothingIsWritten) {
    write(QStringLiteral("old.trg"), kHeader);
    // A name with a per cent sign is told as it is, not taken for a place in the message.
    write(QStringLiteral("bad%2.txt"), "Trigger(\"Player 1\"){\nConditions:\n\tAlways(1);\n\tComand();\nActions:\n\tDefeat()\n}\n");
    const ToolRun run = tool({QStringLiteral("trg"), QStringLiteral("set"), QStringLiteral("old.trg"), QStringLiteral("bad%2.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QStringLiteral("pellax-tool: bad%2.txt:3:9: Always takes no arguments, found 1\n"
                                      "pellax-tool: bad%2.txt:4:2: unknown condition \"Comand\": did you mean \"Command\"?\n"
                                      "pellax-tool: bad%2.txt:6:10: expected \";\"\n"));
    EXPECT_EQ(read(QStringLiteral("old.trg")), kHeader);

    const ToolRun json = tool({QStringLiteral("trg"), QStringLiteral("set"), QStringLiteral("--json"), QStringLiteral("old.trg"),
                               QStringLiteral("-")},
                              QString(), "{\"triggers\": [{\"flags\": true}]}");
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.err, QStringLiteral("pellax-tool: standard input: triggers[0].flags: expected a whole number from 0 to "
                                       "4294967295, not true.\n"));
    EXPECT_EQ(read(QStringLiteral("old.trg")), kHeader);

    // An empty text is a file without triggers.
    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("set"), QStringLiteral("new.trg"), QStringLiteral("-")}).status, 0);
    EXPECT_EQ(read(QStringLiteral("new.trg")), kHeader);
}

TEST_F(TriggerTool, ShowAndCheckGoThroughFoldersAndTellEachFilesFaults) {
    QDir(dir.path()).mkdir(QStringLiteral("mod"));
    write(QStringLiteral("mod/a.trg"), kHeader + victoryTrigger());
    QByteArray faulty = victoryTrigger();
    faulty[15] = 30;  // no such condition
    faulty[2372 + 17] = 0;  // and nobody it runs for
    write(QStringLiteral("mod/b.trg"), kHeader + faulty);
    write(QStringLiteral("mod/c.trg"), kHeader + "short");

    const ToolRun shown = tool({QStringLiteral("trg"), QStringLiteral("show"), QStringLiteral("mod")});
    EXPECT_EQ(shown.status, 1);
    EXPECT_TRUE(shown.out.startsWith(QStringLiteral("// ==> mod/a.trg <==\nTrigger(\"All Players\"){\n")));
    EXPECT_TRUE(shown.out.contains(QStringLiteral("// ==> mod/b.trg <==\nTrigger(){\nConditions:\n\tCustom(0, 0, 0, 0, 0, 30, 0, 0x00, 5);\n")));
    EXPECT_EQ(shown.err, QStringLiteral("pellax-tool: mod/c.trg: 5 bytes after the header are not a whole number of triggers "
                                        "(2400 bytes each).\n"));

    const ToolRun checked = tool({QStringLiteral("trg"), QStringLiteral("check"), QStringLiteral("mod")});
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.out, QStringLiteral("mod/b.trg: trigger 1 runs for no player or group\n"
                                          "mod/b.trg: trigger 1, condition 1: type 30 is not a condition the game knows (1 to 23)\n"
                                          "mod/c.trg: 5 bytes after the header are not a whole number of triggers (2400 bytes each)\n"));
    EXPECT_EQ(checked.err, QString());
    const ToolRun good = tool({QStringLiteral("trg"), QStringLiteral("check"), QStringLiteral("mod/a.trg")});
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out, QString());
}

TEST_F(TriggerTool, ImportWritesAMapsTriggersOrSaysWhatIsWrongWithTheMap) {
    const QByteArray records = victoryTrigger() + victoryTrigger();
    const QByteArray chk = section("VER ", QByteArray("\xCD\x00", 2), 2) + section("UNIT", QByteArray(36, 1), 36) +
                           section("TRIG", records, 4800) + section("MRGN", QByteArray(20, 2), 20);
    buildArchive(path(QStringLiteral("map.scx")), {{"staredit\\scenario.chk", chk}}, false);
    const ToolRun run = tool({QStringLiteral("trg"), QStringLiteral("import"), QStringLiteral("map.scx"), QStringLiteral("one.trg")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("one.trg")), kHeader + records);

    write(QStringLiteral("bare.chk"), chk);
    buildArchive(path(QStringLiteral("mod.mpq")), {{"templates\\Melee.got", sample()}});
    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("import"), QStringLiteral("bare.chk"),
                    QStringLiteral("mpq:mod.mpq::triggers\\Melee.trg")})
                  .status,
              0);
    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("mpq:mod.mpq::triggers\\Melee.trg")})
                  .out.count(QStringLiteral("\"name\":\"Victory\"")),
              2);

    // Malformed maps: a size that lies, a negative one, a scenario cut short, no map at all.
    write(QStringLiteral("lies.chk"), section("TRIG", records, 4800) + section("STR ", "abc", 1000));
    write(QStringLiteral("negative.chk"), section("VER ", "ab", -2) + section("TRIG", records, 4800));
    write(QStringLiteral("short.chk"), section("TRIG", records, 4800) + "MR");
    write(QStringLiteral("text.scm"), "not a map");
    const std::pair<const char*, const char*> maps[] = {
        {"lies.chk", "The section \"STR \" at byte 4808 claims 1000 bytes, but only 3 follow it: it runs past the end."},
        {"negative.chk", "The section \"VER \" at byte 0 claims a negative size (-2)."},
        {"short.chk", "The scenario ends 2 bytes into a section's 8-byte name and size, at byte 4808."},
        {"text.scm", "Not an MPQ archive."},
    };
    for (const auto& [map, message] : maps) {
        const ToolRun bad = tool({QStringLiteral("trg"), QStringLiteral("import"), QLatin1StringView(map), QStringLiteral("out.trg")});
        EXPECT_EQ(bad.status, 1);
        EXPECT_EQ(bad.err, QStringLiteral("pellax-tool: %1: %2\n").arg(QLatin1StringView(map), QLatin1StringView(message)));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.trg")))) << map;
    }
}

TEST_F(TriggerTool, EachCommandHasItsHelpAndRefusesAWrongCommandLine) {
    for (const char* command : {"show", "set", "import", "check"}) {
        const ToolRun help = tool({QStringLiteral("trg"), QLatin1StringView(command), QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: pellax-tool trg %1").arg(QLatin1StringView(command)))) << command;
    }
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const std::pair<QStringList, const char*> wrong[] = {
        {{"trg", "set", "only.trg"}, "pellax-tool: trg set: expected trg set FILE TEXT\n"},
        {{"trg", "set", "folder", "-"}, "pellax-tool: trg set: folder is a folder: give the name of the trigger file to write\n"},
        {{"trg", "import", "map.scm"}, "pellax-tool: trg import: expected trg import MAP FILE\n"},
        {{"trg", "show", "--jsn", "a.trg"}, "pellax-tool: trg: unknown option --jsn\n"},
        {{"trg", "check", "--json", "a.trg"}, "pellax-tool: trg check: --json belongs to trg show or trg set\n"},
        {{"trg", "check"}, "pellax-tool: trg check: no FILE given\n"},
    };
    for (const auto& [args, message] : wrong) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.startsWith(QLatin1StringView(message))) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace pellax::test
