// What the tool does with input it cannot take as it is: nothing is written,
// the message says why, and the exit status is 1.

#include "toolfixture.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <ftw.h>

namespace {

using pellax::test::at;
using pellax::test::Tool;
using pellax::test::ToolRun;

QJsonObject parsedObject(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
    return object;
}

QByteArray compact(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

// Makes a file by the bytes of its name, which QFile cannot take when they are not UTF-8.
void writeByName(const QString& folder, const QByteArray& name, const QByteArray& content) {
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0) << path.toStdString();
    EXPECT_EQ(::write(fd, content.constData(), static_cast<std::size_t>(content.size())), content.size());
    ::close(fd);
}

QByteArray readByName(const QString& folder, const QByteArray& name) {
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return QByteArray();
    return file.readAll();
}

// Empties a folder by the bytes of its names, which QTemporaryDir cannot remove
// when they are not UTF-8.
class EmptiedByBytes {
public:
    explicit EmptiedByBytes(const QString& folder) : folder_(QFile::encodeName(folder)) {}
    ~EmptiedByBytes() {
        ::nftw(
            folder_.constData(),
            [](const char* path, const struct stat*, int, FTW* at) { return at->level > 0 ? ::remove(path) : 0; }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
    EmptiedByBytes(const EmptiedByBytes&) = delete;
    EmptiedByBytes& operator=(const EmptiedByBytes&) = delete;

private:
    QByteArray folder_;
};

TEST_F(Tool, ListEntriesThatWouldNotReadBackAreRefused) {
    const QByteArray list("\"a.got\"\r\n\"b.got\"\r\n");
    const QString file = write(QStringLiteral("l.lst"), list);
    const QDateTime stamp = QFileInfo(file).lastModified();
    for (const char* entry : {"x\ry", "x\ny", "x\x1Ay", "\x1A"}) {
        const ToolRun run = tool({QStringLiteral("lst"), QStringLiteral("add"), QStringLiteral("l.lst"), QLatin1String(entry)});
        EXPECT_EQ(run.status, 1) << entry;
        EXPECT_TRUE(run.err.startsWith(QLatin1String("pellax-tool: lst: the entry cannot hold byte "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("CR and LF end an entry's line"))) << run.err.toStdString();
    }
    const ToolRun omega = tool({QStringLiteral("lst"), QStringLiteral("add"), QStringLiteral("l.lst"), QStringLiteral("\u03A9.got")});
    EXPECT_EQ(omega.status, 1);
    EXPECT_TRUE(omega.err.contains(QStringLiteral("\"\u03A9\" (U+03A9), which Windows-1252"))) << omega.err.toStdString();
    EXPECT_EQ(read(QStringLiteral("l.lst")), list);
    EXPECT_EQ(QFileInfo(file).lastModified(), stamp);

    // What the list can hold goes in byte for byte.
    EXPECT_EQ(tool({QStringLiteral("lst"), QStringLiteral("add"), QStringLiteral("l.lst"), QStringLiteral("\u00E9\u20AC.got")}).status, 0);
    EXPECT_EQ(read(QStringLiteral("l.lst")), list + "\"\xE9\x80.got\"\r\n");
}

TEST_F(Tool, GameTypeNamesRefuseTheBytesOfTheColourCode) {
    const ToolRun fresh = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--new"), QStringLiteral("c.got"),
                                QStringLiteral("gametypename=\x03" "abc")});
    EXPECT_EQ(fresh.status, 1);
    EXPECT_TRUE(fresh.err.startsWith(QLatin1String("pellax-tool: got set: gametypename cannot hold byte 3 (\\x03): ")))
        << fresh.err.toStdString();
    EXPECT_TRUE(fresh.err.contains(QLatin1String("colorbox"))) << fresh.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("c.got"))));

    write(QStringLiteral("k.got"), sample());
    for (const char* name : {"\x01", "Zerg\x08", "a\x0A" "b"}) {
        const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("k.got"),
                                  QStringLiteral("gametypename=") + QLatin1String(name)});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(run.err.contains(QLatin1String("gametypename cannot hold byte"))) << run.err.toStdString();
    }
    EXPECT_EQ(read(QStringLiteral("k.got")), sample());

    // Byte 11 is the name's, and the variation name keeps its control bytes.
    EXPECT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("k.got"), QStringLiteral("gametypename=\x0B" "Z"),
                    QStringLiteral("descripname=\x03" "V")})
                  .status,
              0);
    const QByteArray saved = read(QStringLiteral("k.got"));
    EXPECT_EQ(saved.mid(0x01, 4), QByteArray("\x02\x0BZ\0", 4));
    EXPECT_EQ(saved.mid(0x21, 3), QByteArray("\x03V\0", 3));
}

TEST_F(Tool, FileNamesThatAreNotUtf8AreOpenedByTheirBytes) {
    const EmptiedByBytes cleanUp(dir.path());
    const QByteArray name("n\xFF.got");
    writeByName(dir.path(), name, gameFile());
    const ToolRun show = toolWithBytes({"got", "show", name});
    EXPECT_EQ(show.status, 0) << show.rawErr.toStdString();
    EXPECT_TRUE(show.rawOut.startsWith("file: n\xFF.got\ngametypename: Zerg rush\n")) << show.rawOut.toStdString();

    EXPECT_EQ(toolWithBytes({"got", "set", name, "numteams=3"}).status, 0);
    EXPECT_EQ(at(readByName(dir.path(), name), 0x51), 3);

    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("maps")));
    writeByName(dir.path(), "maps/m\xFE.got", gameFile());
    write(QStringLiteral("maps/a.got"), gameFile());
    const ToolRun folder = toolWithBytes({"got", "show", "maps"});
    EXPECT_EQ(folder.status, 0);
    EXPECT_TRUE(folder.rawOut.contains("\nfile: maps/m\xFE.got\n")) << folder.rawOut.toStdString();

    const ToolRun missing = toolWithBytes({"got", "show", "x\xFD.got"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.rawErr, QByteArray("pellax-tool: x\xFD.got: File not found.\n"));

    writeByName(dir.path(), "t\xFF.lst", "\"a.got\"\r\n");
    EXPECT_EQ(toolWithBytes({"lst", "add", "t\xFF.lst", "b.got"}).status, 0);
    EXPECT_EQ(readByName(dir.path(), "t\xFF.lst"), QByteArray("\"a.got\"\r\n\"b.got\"\r\n"));
    writeByName(dir.path(), "h\xFF.trg", "12345678body");
    EXPECT_EQ(toolWithBytes({"trg", "strip", "h\xFF.trg"}).status, 0);
    EXPECT_EQ(readByName(dir.path(), "h\xFF.trged"), QByteArray("body"));
}

TEST_F(Tool, AFolderWithNothingToDoIsAFailure) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("empty/sub")));
    write(QStringLiteral("empty/notes.txt"), "x");
    write(QStringLiteral("empty/sub/deep.got"), sample());
    write(QStringLiteral("empty/.hidden.got"), sample());
    const std::pair<QStringList, const char*> cases[] = {
        {{"got", "show", "empty"}, "got"},
        {{"got", "set", "empty", "numteams=1"}, "got"},
        {{"trg", "strip", "empty"}, "trg"},
        {{"lst", "normalize", "empty"}, "lst"},
    };
    for (const auto& [args, extension] : cases) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.status, 1) << args.join(u' ').toStdString();
        EXPECT_EQ(run.err, QStringLiteral("pellax-tool: empty: No .%1 file in this folder.\n").arg(QLatin1String(extension)));
    }
    EXPECT_EQ(read(QStringLiteral("empty/sub/deep.got")), sample());
    EXPECT_EQ(read(QStringLiteral("empty/.hidden.got")), sample());
}

TEST_F(Tool, AReaderThatGoesAwayEndsTheToolQuietly) {
    write(QStringLiteral("good.got"), gameFile());
    QByteArray big;
    for (int i = 0; i < 5000; ++i)
        big += "\"entry" + QByteArray::number(i) + ".got\"\r\n";
    write(QStringLiteral("big.lst"), big);
    const std::pair<QStringList, int> cases[] = {
        {{"got", "show", "good.got", "good.got"}, 0},
        {{"lst", "show", "big.lst"}, 0},  // more than one buffer: cut short while writing
        {{"got", "show", "missing.got", "good.got"}, 1},  // a failure before still counts
    };
    // Whether the caller leaves SIGPIPE to end the process or ignores it.
    for (const bool ignore : {false, true}) {
        for (const auto& [args, status] : cases) {
            int fds[2];
            ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
            ::close(fds[0]);  // nobody reads
            const int writeEnd = fds[1];
            const ToolRun run = tool(args, QString(), QByteArray(), [writeEnd, ignore] {
                ::dup2(writeEnd, STDOUT_FILENO);
                ::signal(SIGPIPE, ignore ? SIG_IGN : SIG_DFL);
            });
            ::close(writeEnd);
            EXPECT_EQ(run.status, status) << args.join(u' ').toStdString() << (ignore ? " (ignored)" : "");
            EXPECT_EQ(run.err, status == 0 ? QString() : QStringLiteral("pellax-tool: missing.got: File not found.\n"));
        }
    }
}

// A file as Save writes it, with every field at an edge: a coloured name of
// 31 characters, a variation name of control bytes, no game-type selection,
// minerals above the signed range, the variation number off, no starting units.
QByteArray edgeRecord() {
    QByteArray b(97, 0);
    b[0x00] = 3;
    b[0x01] = 8;
    b.replace(0x02, 31, QByteArray(31, 'Z'));
    b.replace(0x21, 31, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x81\xFF" "abcdefghijklmnopqrs"));
    b[0x4D] = static_cast<char>(0xFF);
    b[0x4F] = 2;
    b.replace(0x58, 4, QByteArray("\0\0\0\x80", 4));
    b.replace(0x5D, 3, QByteArray("\xFF\xFE\xFD"));
    return b;
}

TEST_F(Tool, GotSetJsonGivesBackTheFileThatShowDescribed) {
    write(QStringLiteral("a.got"), gameFile());
    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("a.got")}).status, 0);  // as Save writes it
    write(QStringLiteral("e.got"), edgeRecord());
    for (const char* file : {"a.got", "e.got"}) {
        const ToolRun show = tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("--json"), QLatin1String(file)});
        ASSERT_EQ(show.status, 0);
        const ToolRun set = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--json"), QStringLiteral("copy.got"),
                                  QStringLiteral("-")},
                                 QString(), show.rawOut);
        EXPECT_EQ(set.status, 0) << set.err.toStdString();
        EXPECT_EQ(set.out + set.err, QString());
        EXPECT_EQ(read(QStringLiteral("copy.got")).toHex(), read(QLatin1String(file)).toHex()) << file;
        // A pipe named as the source, as the shell's <(...) names one.
        const ToolRun piped = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--json"),
                                    QStringLiteral("piped.got"), QStringLiteral("/dev/stdin")},
                                   QString(), show.rawOut);
        EXPECT_EQ(piped.status, 0) << piped.err.toStdString();
        EXPECT_EQ(read(QStringLiteral("piped.got")).toHex(), read(QLatin1String(file)).toHex()) << file;
    }

    // An edited object, from a file: only what was edited changes.
    QJsonObject object = parsedObject(
        tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("a.got")}).rawOut);
    object[QStringLiteral("numteams")] = 9;
    object[QStringLiteral("Gametype")] = QJsonObject{{QStringLiteral("index"), 2}};
    object[QStringLiteral("gametypename")] = QStringLiteral("Protoss");
    QJsonObject carried = object[QStringLiteral("carried")].toObject();
    carried[QStringLiteral("0x42")] = QStringLiteral("07");
    object[QStringLiteral("carried")] = carried;
    object[QStringLiteral("victoryvalue")] = 67305985;
    write(QStringLiteral("edit.json"), compact(object));
    EXPECT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--json"), QStringLiteral("b.got"),
                    QStringLiteral("edit.json")})
                  .status,
              0);
    QByteArray expected = read(QStringLiteral("a.got"));
    expected.replace(0x02, 31, QByteArray("Protoss") + QByteArray(24, 0));
    expected[0x4D] = 2;
    expected[0x51] = 9;
    expected[0x42] = 7;
    expected.replace(0x54, 4, QByteArray("\x01\x02\x03\x04"));
    EXPECT_EQ(read(QStringLiteral("b.got")).toHex(), expected.toHex());
}

TEST_F(Tool, GotSetJsonRefusesABadObjectNamingTheField) {
    write(QStringLiteral("a.got"), sample());
    const QJsonObject good = parsedObject(
        tool({QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("a.got")}).rawOut);
    const auto with = [&](const char* key, const QJsonValue& value) {
        QJsonObject object = good;
        if (value.isUndefined())
            object.remove(QLatin1String(key));
        else
            object[QLatin1String(key)] = value;
        return compact(object);
    };
    const auto withBytes = [&](const char* group, const char* offset, const QJsonValue& value) {
        QJsonObject bytes = good[QLatin1String(group)].toObject();
        bytes[QLatin1String(offset)] = value;
        return with(group, bytes);
    };
    const std::pair<QByteArray, const char*> cases[] = {
        {"{\"numteams\": 3", "not JSON: "},
        {"[]", "expected one object"},
        {with("nosuch", 1), "unknown field \"nosuch\""},
        {with("NumTeams", 1), "unknown field \"NumTeams\"; did you mean \"numteams\"?"},
        {with("minerals", QJsonValue::Undefined), "\"minerals\" missing"},
        {with("Canally", QStringLiteral("yes")), "Canally: expected true or false, not the text \"yes\""},
        {with("position", 256), "position: expected a whole number from 0 to 255, not 256"},
        {with("minerals", 1.5), "minerals: expected a whole number from 0 to 4294967295, not 1.5"},
        {with("Gametype", QJsonObject{{QStringLiteral("index"), 2}, {QStringLiteral("text"), QStringLiteral("Workers only")}}),
         "Gametype: index 2 and text \"Workers only\" name different items"},
        {with("varsetting", 4294967296.0), "varsetting: expected a whole number from 0 to 4294967295, not 4294967296"},
        {with("cheats", QJsonValue::Undefined), "\"cheats\" missing"},
        {with("playability", QJsonObject{{QStringLiteral("index"), 4}}), "playability.index: expected a whole number from -1"},
        {with("colorbox", QStringLiteral("Reg color")), "colorbox: expected {\"index\": N, \"text\": ITEM}"},
        {withBytes("gaps", "0x5D", QStringLiteral("A4A5")), "gaps.0x5D: expected 3 byte(s) as 6 hex digits"},
        {withBytes("gaps", "0x5D", QStringLiteral("A4A5ZZ")), "gaps.0x5D: expected 3 byte(s) as 6 hex digits"},
        {withBytes("gaps", "0x60", QStringLiteral("00")), "gaps: unknown offset \"0x60\""},
        {withBytes("carried", "0x54", QStringLiteral("00")), "carried: unknown offset \"0x54\""},
        {with("exact", QJsonObject{{QStringLiteral("0x41"), QStringLiteral("01")}}), "exact: unknown offset \"0x41\""},
        {with("gametypename", QStringLiteral("\x03Zerg")), "gametypename cannot hold byte 3"},
        {with("descripname", QString(1, QChar(0))), "descripname cannot hold byte 0"},
    };
    const QString target = write(QStringLiteral("k.got"), sample());
    const QDateTime stamp = QFileInfo(target).lastModified();
    for (const auto& [json, message] : cases) {
        for (const char* file : {"k.got", "new.got"}) {
            const ToolRun run = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--json"), QLatin1String(file),
                                      QStringLiteral("-")},
                                     QString(), json);
            EXPECT_EQ(run.status, 1) << message;
            EXPECT_TRUE(run.err.startsWith(QLatin1String("pellax-tool: got set: standard input: ") + QLatin1String(message)))
                << run.err.toStdString();
        }
    }
    const ToolRun none = tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--json"), QStringLiteral("k.got"),
                               QStringLiteral("none.json")});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, QStringLiteral("pellax-tool: none.json: File not found.\n"));
    EXPECT_EQ(read(QStringLiteral("k.got")), sample());
    EXPECT_EQ(QFileInfo(target).lastModified(), stamp);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("new.got"))));
}

}  // namespace
