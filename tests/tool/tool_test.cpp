// The tool's commands as scripts use them.

#include "toolfixture.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

using pellax::test::at;
using pellax::test::Tool;
using pellax::test::ToolRun;

TEST_F(Tool, HelpForTheToolAndEachCommand) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--help"}, "Usage: pellax-tool COMMAND"},
        {{"got", "show", "--help"}, "Usage: pellax-tool got show"},
        {{"got", "set", "-h"}, "Usage: pellax-tool got set"},
        {{"trg", "--help"}, "Usage: pellax-tool trg strip"},
        {{"lst", "delete", "--help"}, "Usage: pellax-tool lst show"},
    };
    for (const auto& [args, usage] : cases) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.status, 0) << usage;
        EXPECT_TRUE(run.out.startsWith(QLatin1String(usage))) << run.out.toStdString();
        EXPECT_EQ(run.err, QString());
    }
    const ToolRun version = tool({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("pellax-tool " PELLAX_VERSION "\n"));
    const ToolRun bare = tool({});
    EXPECT_EQ(bare.status, 1);
    EXPECT_EQ(bare.out, QString());
    EXPECT_TRUE(bare.err.contains(QLatin1String("pellax-tool --help")));
}

TEST_F(Tool, GotShowPrintsEveryFieldAsTheEditorShowsIt) {
    write(QStringLiteral("a.got"), gameFile());
    QByteArray odd = gameFile();
    odd[0x4D] = 5;  // no such starting units
    write(QStringLiteral("b.got"), odd);
    const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("a.got"), QStringLiteral("b.got")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QString a = QStringLiteral(
        "file: a.got\n"
        "gametypename: Zerg rush\n"
        "colorbox: SC 0x02 (?\?\?)\n"
        "descripname: Var\\x07iant\n"
        "varsetting: 9\n"
        "varnum: 2\n"
        "position: 7\n"
        "Canally: unchecked\n"
        "defaultmin: checked\n"
        "isenabled: checked\n"
        "Gametype: Workers only\n"
        "playability: 3 = Comp can play, multi or single\n"
        "numteams: 4\n"
        "minerals: 4294967295\n"
        "Gametypesetting: 200\n"
        "resources: Fixed value\n"
        "unitstats: 171\n"
        "fog: 172\n"
        "startpositions: 174\n"
        "cheats: 162\n"
        "tournament: 163\n"
        "victoryvalue: 2812716452\n"
        "trigger file: unknown: the game does not know victory conditions 200\n");
    QString b = a;
    b.replace(QStringLiteral("file: a.got"), QStringLiteral("file: b.got"));
    b.replace(QStringLiteral("Gametype: Workers only"), QStringLiteral("Gametype: "));
    EXPECT_EQ(run.out, a + QLatin1Char('\n') + b);
}

TEST_F(Tool, GotShowJsonIsWellFormedAndCarriesTheHiddenBytes) {
    QByteArray odd = gameFile();
    odd[0x4F] = 9;  // no such playability
    write(QStringLiteral("a.got"), odd);
    write(QStringLiteral("b.got"), QByteArray(1, 3) + QByteArray(96, 0));
    const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("--json"), dir.path()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    QJsonParseError error{};
    const QJsonObject a = QJsonDocument::fromJson(lines[0].toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[0].toStdString();
    EXPECT_EQ(a[QStringLiteral("file")].toString(), path(QStringLiteral("a.got")));
    EXPECT_EQ(a[QStringLiteral("descripname")].toString(), QStringLiteral("Var\x07iant"));
    EXPECT_EQ(a[QStringLiteral("minerals")].toDouble(), 4294967295.0);
    EXPECT_EQ(a[QStringLiteral("Canally")], QJsonValue(false));
    EXPECT_EQ(a[QStringLiteral("Gametype")][QStringLiteral("index")].toInt(), 1);
    EXPECT_EQ(a[QStringLiteral("Gametype")][QStringLiteral("text")].toString(), QStringLiteral("Workers only"));
    EXPECT_EQ(a[QStringLiteral("playability")][QStringLiteral("index")].toInt(), -1);
    // The game's fields by name; only the bytes no field covers stay in hex.
    EXPECT_EQ(a[QStringLiteral("victoryvalue")].toDouble(), 2812716452.0);
    EXPECT_EQ(a[QStringLiteral("resources")].toObject(),
              (QJsonObject{{QStringLiteral("value"), 1}, {QStringLiteral("name"), QStringLiteral("Fixed value")}}));
    EXPECT_EQ(a[QStringLiteral("cheats")].toObject(),
              (QJsonObject{{QStringLiteral("value"), 162}, {QStringLiteral("name"), QString()}}));
    const QJsonObject carried = a[QStringLiteral("carried")].toObject();
    EXPECT_EQ(carried.keys(), (QStringList{QStringLiteral("0x00"), QStringLiteral("0x42"), QStringLiteral("0x44"),
                                           QStringLiteral("0x5C")}));
    EXPECT_EQ(carried[QStringLiteral("0x00")].toString(), QStringLiteral("03"));
    EXPECT_EQ(a[QStringLiteral("gaps")].toObject(), (QJsonObject{{QStringLiteral("0x5D"), QStringLiteral("ADAEAF")}}));
    // The playability control cannot show 9: its byte is given as it is.
    EXPECT_EQ(a[QStringLiteral("exact")].toObject(), (QJsonObject{{QStringLiteral("0x4F"), QStringLiteral("09")}}));
    const QJsonObject b = QJsonDocument::fromJson(lines[1].toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(b[QStringLiteral("gametypename")].toString(), QString());
    EXPECT_EQ(b[QStringLiteral("colorbox")][QStringLiteral("text")].toString(), QStringLiteral("Reg color"));
}

TEST_F(Tool, AFolderStandsForItsFilesOfTheCommandsExtensionByName) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("maps/sub")));
    write(QStringLiteral("maps/b.got"), gameFile());
    write(QStringLiteral("maps/A.GOT"), gameFile());
    write(QStringLiteral("maps/c.txt"), sample());
    write(QStringLiteral("maps/sub/d.got"), gameFile());
    const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("maps")});
    EXPECT_EQ(run.status, 0);
    QStringList shown;
    for (const QString& line : run.out.split(u'\n'))
        if (line.startsWith(QLatin1String("file: ")))
            shown.append(line.mid(6));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("maps/A.GOT"), QStringLiteral("maps/b.got")}));

    // The same assignments go to every file of the folder.
    EXPECT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("maps"), QStringLiteral("numteams=3")})
                  .status,
              0);
    EXPECT_EQ(at(read(QStringLiteral("maps/A.GOT")), 0x51), 3);
    EXPECT_EQ(at(read(QStringLiteral("maps/b.got")), 0x51), 3);
    EXPECT_EQ(at(read(QStringLiteral("maps/sub/d.got")), 0x51), 4);
}

TEST_F(Tool, GotSetChangesFieldsAsTypingAndSavingWould) {
    const QByteArray before = sample() + QByteArray(40, 'x');
    write(QStringLiteral("s.got"), before);
    const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("s.got"),
                          QStringLiteral("gametypename=") + QString(31, u'g'), QStringLiteral("colorbox=SC 0x05 (?\?\?)"),
                          QStringLiteral("position=a1b2"), QStringLiteral("varsetting=300"),
                          QStringLiteral("Gametypesetting=$1F"), QStringLiteral("gametype= workers AND town hall"),
                          QStringLiteral("Canally=checked"), QStringLiteral("playability=0")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out + run.err, QString());
    const QByteArray after = read(QStringLiteral("s.got"));
    ASSERT_EQ(after.size(), 97);
    EXPECT_EQ(after.mid(0x01, 32), QByteArray(1, 5) + QByteArray(31, 'g'));
    EXPECT_EQ(at(after, 0x41), 12);
    EXPECT_EQ(after.mid(0x45, 4), QByteArray("\x2C\x01\x00\x00", 4));
    EXPECT_EQ(at(after, 0x49), 31);
    EXPECT_EQ(at(after, 0x4D), 2);
    EXPECT_EQ(at(after, 0x4F), 0);
    EXPECT_EQ(at(after, 0x50), 1);
    EXPECT_EQ(at(after, 96), 0);
    // What was not given keeps its value, and so does every byte no control covers.
    EXPECT_EQ(after.mid(0x21, 32), before.mid(0x21, 32));
    EXPECT_EQ(after.mid(0x58, 4), before.mid(0x58, 4));
    EXPECT_EQ(at(after, 0x4A), 1);
    EXPECT_EQ(hidden(after), hidden(before));
}

TEST_F(Tool, GotSetNewFollowsTheEditorsRulesForMineralsAndTheVariationNumber) {
    const auto set = [&](const QStringList& fields) {
        const ToolRun run = tool(QStringList{QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--new"),
                                         QStringLiteral("n.got")} + fields);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return read(QStringLiteral("n.got"));
    };
    const QByteArray fresh = set({});
    ASSERT_EQ(fresh.size(), 97);
    // Unit stats map default, fog of war on, random start positions; cheats and tournament off.
    EXPECT_EQ(hidden(fresh), QByteArray::fromHex("03010000020000000100000000000000"));
    EXPECT_EQ(fresh.mid(0x58, 4), QByteArray("\x32\0\0\0", 4));
    EXPECT_EQ(at(fresh, 0x4A), 1);
    EXPECT_EQ(at(fresh, 0x43), 1);

    EXPECT_EQ(at(set({QStringLiteral("minerals=50")}), 0x4A), 1);  // the text did not change
    const QByteArray typed = set({QStringLiteral("minerals=5x0000")});
    EXPECT_EQ(typed.mid(0x58, 4), QByteArray("\x50\xC3\0\0", 4));
    EXPECT_EQ(at(typed, 0x4A), 0);
    EXPECT_EQ(at(set({QStringLiteral("minerals=7"), QStringLiteral("defaultmin=1")}), 0x4A), 1);
    EXPECT_EQ(at(set({QStringLiteral("defaultmin=true"), QStringLiteral("minerals=7")}), 0x4A), 0);

    EXPECT_EQ(at(set({QStringLiteral("varnum=9"), QStringLiteral("isenabled=0")}), 0x43), 0);
}

// One field given, one field written: bytes the controls show only in part stay.
TEST_F(Tool, GotSetWritesOnlyTheFieldsGiven) {
    QByteArray odd = sample();
    odd[0x4A] = 3;                                    // resource type medium
    odd[0x4F] = 7;                                    // player types beyond the list
    odd[0x4C] = 9;                                    // fog of war the game does not know
    odd.replace(0x01, 12, QByteArray("\x02Zerg\x05rush\0Z", 12));  // a second colour code, bytes after the zero
    odd += QByteArray(1, 0);
    odd[0] = 3;
    write(QStringLiteral("b.got"), odd);
    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("b.got"), QStringLiteral("numteams=3")}).status, 0);
    QByteArray expected = odd;
    expected[0x51] = 3;
    EXPECT_EQ(read(QStringLiteral("b.got")), expected);

    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("b.got"), QStringLiteral("FOG=Warcraft 1 style"),
                    QStringLiteral("startpositions=fixed"), QStringLiteral("victoryvalue=60"), QStringLiteral("resources=5")})
                  .status,
              0);
    expected[0x4C] = 1;
    expected[0x4E] = 1;
    expected.replace(0x54, 4, QByteArray("\x3C\x00\x00\x00", 4));
    expected[0x4A] = 5;
    EXPECT_EQ(read(QStringLiteral("b.got")), expected);

    // Any 97-byte file ending in 0 comes back from its JSON form byte for byte.
    const QString json = path(QStringLiteral("b.json"));
    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("b.got")}, json).status, 0);
    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--json"), QStringLiteral("c.got"), json}).status, 0);
    EXPECT_EQ(read(QStringLiteral("c.got")), expected);
}

TEST_F(Tool, GotCheckTellsWhyTheGameWouldSkipOrMisreadAFile) {
    QByteArray sound(97, 0);
    sound[0x00] = 3;
    sound[0x4C] = 2;
    write(QStringLiteral("sound.got"), sound);
    const ToolRun clean = tool({QStringLiteral("got"), QStringLiteral("check"), QStringLiteral("sound.got")});
    EXPECT_EQ(clean.status, 0) << clean.err.toStdString();
    EXPECT_EQ(clean.out + clean.err, QString());

    QByteArray greed = sound;
    greed[0x49] = 3;  // resources
    greed.replace(0x45, 4, QByteArray("\x88\x27\x00\x00", 4));  // 10120
    greed[0x51] = 1;
    write(QStringLiteral("greed.got"), greed);
    write(QStringLiteral("long.got"), sound + "x");
    const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("check"), dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QString());
    const QString greedPath = path(QStringLiteral("greed.got"));
    EXPECT_EQ(run.out,
              greedPath + QStringLiteral(": Team mode is 1, which the game does not take: 0 for off, or 2, 3 or 4 teams.\n") +
                  greedPath +
                  QStringLiteral(": Victory conditions \"Resources\" need a variation value the game has a trigger for "
                                 "(2500, 5000, 7500 or 10000 resources), not 10120.\n") +
                  path(QStringLiteral("long.got")) + QStringLiteral(": The file is 98 bytes long, not 97: the game skips it.\n"));
    const ToolRun missing = tool({QStringLiteral("got"), QStringLiteral("check"), QStringLiteral("none.got")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, QStringLiteral("pellax-tool: none.got: File not found.\n"));
}

TEST_F(Tool, WrongArgumentsAreRefusedBeforeAnyFileIsWritten) {
    const QString file = write(QStringLiteral("k.got"), sample());
    const QDateTime stamp = QFileInfo(file).lastModified();
    const std::pair<QStringList, const char*> cases[] = {
        {{"got", "set", "k.got", "numteams=1", "nosuch=1"}, "unknown field \"nosuch\""},
        {{"got", "set", "k.got", "numteams"}, "\"numteams\" is not field=value"},
        {{"got", "set", "k.got", "colorbox=9"}, "colorbox has no item \"9\""},
        {{"got", "set", "k.got", "Gametype=Default"}, "Gametype has no item \"Default\""},
        {{"got", "set", "k.got", "gametypename=" + QString(32, u'n')}, "gametypename is 32 characters long; the field holds at most 31"},
        {{"got", "set", "k.got", "descripname=" + QString(40, u'v')}, "descripname is 40 characters long; the field holds at most 31"},
        {{"got", "set", "k.got", "fog=misty"}, "fog has no value \"misty\": give a number from 0 to 255, or one of 0 (Off)"},
        {{"got", "set", "k.got", "victoryvalue=4294967296"}, "victoryvalue takes a number from 0 to 4294967295"},
        {{"got", "set", "k.got", "fog=on", "FOG=0"}, "fog is given twice, as 2 and 0"},
        {{"got", "set", "k.got", "defaultmin=1", "resources=map default"}, "defaultmin and resources give byte 0x4A different values"},
        {{"got", "check"}, "no FILE given"},
        {{"got", "set", "k.got", "Canally=maybe"}, "Canally is a check box"},
        {{"got", "set", "--new", "."}, "--new needs the name of the file"},
        {{"got", "set", "--jsn", "k.got"}, "unknown option --jsn"},
        {{"got", "set", "--json", "k.got"}, "expected got set --json FILE JSON"},
        {{"got", "set", "--json", "--new", "k.got", "-"}, "--new has no place beside it"},
        {{"got", "set", "--json", ".", "-"}, "--json needs the name of the file to write"},
        {{"got", "frob"}, "unknown command \"frob\""},
        {{"lst", "delete", "--index", "0", "k.lst"}, "--index needs a number from 1 on"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_TRUE(run.err.startsWith(QLatin1String("pellax-tool: "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(message))) << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
    }
    EXPECT_EQ(read(QStringLiteral("k.got")), sample());
    EXPECT_EQ(QFileInfo(file).lastModified(), stamp);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("k.got")});
}

TEST_F(Tool, FileErrorsUseTheEditorsTextsAndTheOtherFilesGoOn) {
    write(QStringLiteral("good.got"), gameFile());
    write(QStringLiteral("short.got"), sample().left(95));
    const ToolRun show = tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("missing.got"),
                           QStringLiteral("short.got"), QStringLiteral("good.got")});
    EXPECT_EQ(show.status, 1);
    EXPECT_EQ(show.err, QStringLiteral("pellax-tool: missing.got: File not found.\n"
                                       "pellax-tool: short.got: Read beyond end of file.\n"));
    EXPECT_TRUE(show.out.startsWith(QLatin1String("file: good.got\n")));

    const QString readOnly = write(QStringLiteral("ro.got"), sample());
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    const ToolRun set = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("ro.got"), QStringLiteral("numteams=1")});
    EXPECT_EQ(set.status, 1);
    EXPECT_EQ(set.err, QStringLiteral("pellax-tool: ro.got: File access denied.\n"));
    EXPECT_EQ(read(QStringLiteral("ro.got")), sample());
    const ToolRun shortSet = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("short.got")});
    EXPECT_EQ(shortSet.status, 1);
    EXPECT_EQ(read(QStringLiteral("short.got")), sample().left(95));

    // Results that cannot be written are a failure too.
    const ToolRun full = tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("good.got")},
                          QStringLiteral("/dev/full"));
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, QStringLiteral("pellax-tool: standard output: Disk full.\n"));
}

TEST_F(Tool, TriggerCommandsWriteBesideTheSourceAsTheEditorDoes) {
    const QByteArray header("\x71\x77\x98\x36\x18\x00\x00\x00", 8);
    write(QStringLiteral("plain.trg"), "body");
    write(QStringLiteral("headed.trg"), header + "body");
    write(QStringLiteral("tiny.trg"), "12345");

    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("add"), QStringLiteral("plain.trg")}).status, 0);
    EXPECT_EQ(read(QStringLiteral("plain.trged")), header + "body");
    // Told as the editor tells it, but nothing was written: a failure to a script.
    const ToolRun again = tool({QStringLiteral("trg"), QStringLiteral("add"), QStringLiteral("headed.trg")});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, QStringLiteral("pellax-tool: headed.trg: File already has a header\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("headed.trged"))));

    const ToolRun strip = tool({QStringLiteral("trg"), QStringLiteral("strip"), QStringLiteral("headed.trg"),
                            QStringLiteral("tiny.trg")});
    EXPECT_EQ(strip.status, 1);
    EXPECT_EQ(strip.err, QStringLiteral("pellax-tool: tiny.trg: Read beyond end of file.\n"));
    EXPECT_EQ(read(QStringLiteral("headed.trged")), QByteArray("body"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("tiny.trged"))));
    EXPECT_EQ(read(QStringLiteral("headed.trg")), header + "body");
}

TEST_F(Tool, ListCommandsShowAddDeleteAndNormalize) {
    write(QStringLiteral("t.lst"), "\"a.got\"\r\nb.got\n\"c.got\"\x1Aignored");
    const auto lst = [&](const QStringList& args) {
        return tool(QStringList{QStringLiteral("lst")} + args);
    };
    EXPECT_EQ(lst({QStringLiteral("show"), QStringLiteral("t.lst")}).out, QStringLiteral("\"a.got\"\nb.got\n\"c.got\"\n"));

    EXPECT_EQ(lst({QStringLiteral("add"), QStringLiteral("t.lst"), QStringLiteral("d.got\"")}).status, 0);
    EXPECT_EQ(read(QStringLiteral("t.lst")), QByteArray("\"a.got\"\r\nb.got\r\n\"c.got\"\r\n\"d.got\"\r\n"));
    // By text: as given first (the unquoted b.got), else as Add would quote it.
    EXPECT_EQ(lst({QStringLiteral("delete"), QStringLiteral("t.lst"), QStringLiteral("b.got")}).status, 0);
    EXPECT_EQ(lst({QStringLiteral("delete"), QStringLiteral("t.lst"), QStringLiteral("c.got")}).status, 0);
    EXPECT_EQ(lst({QStringLiteral("delete"), QStringLiteral("--index=1"), QStringLiteral("t.lst")}).status, 0);
    EXPECT_EQ(read(QStringLiteral("t.lst")), QByteArray("\"d.got\"\r\n"));

    const ToolRun outOfBounds = lst({QStringLiteral("delete"), QStringLiteral("t.lst"), QStringLiteral("--index"), QStringLiteral("2")});
    EXPECT_EQ(outOfBounds.status, 1);
    EXPECT_EQ(outOfBounds.err, QStringLiteral("pellax-tool: t.lst: List index out of bounds (2).\n"));
    const ToolRun notFound = lst({QStringLiteral("delete"), QStringLiteral("t.lst"), QStringLiteral("zz.got")});
    EXPECT_EQ(notFound.status, 1);
    EXPECT_EQ(notFound.err, QStringLiteral("pellax-tool: t.lst: Entry not found: zz.got.\n"));
    EXPECT_EQ(read(QStringLiteral("t.lst")), QByteArray("\"d.got\"\r\n"));

    write(QStringLiteral("u.lst"), "x\ny");
    EXPECT_EQ(lst({QStringLiteral("normalize"), dir.path()}).status, 0);
    EXPECT_EQ(read(QStringLiteral("u.lst")), QByteArray("x\r\ny\r\n"));
    EXPECT_EQ(lst({QStringLiteral("show"), QStringLiteral("t.lst"), QStringLiteral("u.lst")}).out,
              QStringLiteral("==> t.lst <==\n\"d.got\"\n\n==> u.lst <==\nx\ny\n"));
    const ToolRun missing = lst({QStringLiteral("add"), QStringLiteral("none.lst"), QStringLiteral("a")});
    EXPECT_EQ(missing.err, QStringLiteral("pellax-tool: none.lst: File not found.\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.lst"))));
}

}  // namespace
