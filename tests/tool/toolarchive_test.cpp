#include "support/mpqbuilder.h"
#include "toolfixture.h"

namespace pellax::test {
namespace {

using ToolArchives = Tool;

const QByteArray kHeader("\x71\x77\x98\x36\x18\x00\x00\x00", 8);

QString member(const char* archive, const char* name) {
    return QStringLiteral("mpq:%1::%2").arg(QLatin1String(archive), QLatin1String(name));
}

TEST_F(ToolArchives, EveryCommandWorksOnMembersAndArchiveFolders) {
    buildArchive(path(QStringLiteral("mod.mpq")),
                 {{"templates\\templates.lst", "\"Melee\"\r\n"},
                  {"templates\\Melee.got", gameFile()},
                  {"templates\\Team.got", gameFile(), Storage::Plain},
                  {"triggers\\Melee.trg", "body", Storage::Plain}});

    const ToolRun list = tool({QStringLiteral("mpq"), QStringLiteral("list"), QStringLiteral("mod.mpq")});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, QStringLiteral("templates\\Melee.got\ntemplates\\Team.got\ntemplates\\templates.lst\n"
                                       "triggers\\Melee.trg\n"));

    // got set on a member, then got show on the archive's folder of them.
    EXPECT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), member("mod.mpq", "TEMPLATES/melee.got"),
                    QStringLiteral("gametypename=Rush")})
                  .status,
              0);
    const ToolRun shown = tool({QStringLiteral("got"), QStringLiteral("show"), member("mod.mpq", "templates\\")});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out.count(QStringLiteral("file: mpq:mod.mpq::templates")), 2);
    EXPECT_TRUE(shown.out.contains(QStringLiteral("gametypename: Rush\n")));
    // Each game type's trigger file, looked up in the archive the game type is in.
    EXPECT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), member("mod.mpq", "templates\\Melee.got"),
                    QStringLiteral("Gametypesetting=7")})
                  .status,
              0);
    EXPECT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), member("mod.mpq", "templates\\Team.got"),
                    QStringLiteral("Gametypesetting=5")})
                  .status,
              0);
    const ToolRun triggers = tool({QStringLiteral("got"), QStringLiteral("show"), member("mod.mpq", "templates\\")});
    EXPECT_TRUE(triggers.out.contains(QStringLiteral("trigger file: triggers\\Melee.trg, in this archive\n")));
    EXPECT_TRUE(triggers.out.contains(QStringLiteral("trigger file: triggers\\SuddenDeath.trg, not in this archive\n")));

    // trg writes MEMBERed into the same archive.
    EXPECT_EQ(tool({QStringLiteral("trg"), QStringLiteral("add"), member("mod.mpq", "")}).status, 0);
    const ToolRun lists = tool({QStringLiteral("lst"), QStringLiteral("add"), member("mod.mpq", "templates\\templates.lst"),
                                QStringLiteral("Team")});
    EXPECT_EQ(lists.status, 0) << lists.err.toStdString();
    const ToolRun entries = tool({QStringLiteral("lst"), QStringLiteral("show"), member("mod.mpq", "")});
    EXPECT_EQ(entries.out, QStringLiteral("==> mpq:mod.mpq::templates\\templates.lst <==\n\"Melee\"\n\"Team\"\n"));
    const ToolRun after = tool({QStringLiteral("mpq"), QStringLiteral("list"), QStringLiteral("mod.mpq")});
    EXPECT_TRUE(after.out.contains(QStringLiteral("triggers\\Melee.trged\n")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("mod.mpq")});

    // A member folder without a member of the kind is a failure, as an empty folder is.
    const ToolRun none = tool({QStringLiteral("trg"), QStringLiteral("strip"), member("mod.mpq", "templates\\")});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, QStringLiteral("pellax-tool: mpq:mod.mpq::templates\\: No .trg member in this archive folder.\n"));
}

TEST_F(ToolArchives, BadArchivesAndMembersAreToldInWords) {
    write(QStringLiteral("text.mpq"), "not an archive");
    buildArchive(path(QStringLiteral("mod.mpq")), {{"templates\\Melee.got", sample()}});
    const QByteArray before = read(QStringLiteral("mod.mpq"));
    const ToolRun bad = tool({QStringLiteral("got"), QStringLiteral("show"), member("text.mpq", ""),
                              member("mod.mpq", "templates\\None.got"), QStringLiteral("./mpq:mod.mpq::x.got")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, QStringLiteral("pellax-tool: mpq:text.mpq::: Not an MPQ archive.\n"
                                      "pellax-tool: mpq:mod.mpq::templates\\None.got: The archive has no member "
                                      "templates\\None.got.\n"
                                      "pellax-tool: ./mpq:mod.mpq::x.got: File not found.\n"));
    const ToolRun set = tool({QStringLiteral("got"), QStringLiteral("set"), member("text.mpq", "templates\\Melee.got")});
    EXPECT_EQ(set.err, QStringLiteral("pellax-tool: mpq:text.mpq::templates\\Melee.got: Not an MPQ archive.\n"));
    EXPECT_EQ(read(QStringLiteral("text.mpq")), QByteArray("not an archive"));
    EXPECT_EQ(read(QStringLiteral("mod.mpq")), before);
}

// got show is for game types: a file the game skips is still shown, but the
// status and standard error say so, loose or in an archive alike.
TEST_F(ToolArchives, GotShowSaysWhenAFileIsNotAGameType) {
    QByteArray map(189093, 0);
    for (qsizetype i = 0; i < map.size(); ++i)
        map[i] = static_cast<char>('V' + i % 7);
    QByteArray zeroLead = sample() + QByteArray(1, 0);
    zeroLead[0] = 0;
    const QByteArray sound = gameFile();
    const std::vector<TestMember> files = {
        {"map.got", map}, {"short.got", sound.left(96)}, {"zero.got", zeroLead}, {"sound.got", sound}};
    for (const TestMember& file : files)
        write(QString::fromLatin1(file.name), file.content);
    buildArchive(path(QStringLiteral("mod.mpq")), files);
    const QString why = QStringLiteral(
        "pellax-tool: %1map.got: The file is 189093 bytes long, not 97: the game skips it.\n"
        "pellax-tool: %1map.got: The first byte is 86, not 3: the game skips the file.\n"
        "pellax-tool: %1short.got: The file is 96 bytes long, not 97: the game skips it.\n"
        "pellax-tool: %1zero.got: The first byte is 0, not 3: the game skips the file.\n");

    for (const QString& prefix : {QString(), QStringLiteral("mpq:mod.mpq::")}) {
        QStringList names;
        for (const TestMember& file : files)
            names.append(prefix + QString::fromLatin1(file.name));
        const ToolRun all = tool(QStringList{QStringLiteral("got"), QStringLiteral("show")} + names);
        EXPECT_EQ(all.status, 1);
        EXPECT_EQ(all.out.count(QStringLiteral("\nfile: ")) + 1, 4) << all.out.toStdString();
        EXPECT_TRUE(all.out.contains(QStringLiteral("file: %1map.got\ngametypename: WXYZ[\\\\VWXYZ").arg(prefix)))
            << all.out.toStdString();
        EXPECT_EQ(all.err, why.arg(prefix));
        const ToolRun json = tool(QStringList{QStringLiteral("got"), QStringLiteral("show"), QStringLiteral("--json")} + names);
        EXPECT_EQ(json.status, 1);
        EXPECT_EQ(json.out.count(u'\n'), 4);
        EXPECT_EQ(json.err, why.arg(prefix));

        const ToolRun alone = tool({QStringLiteral("got"), QStringLiteral("show"), names.last()});
        EXPECT_EQ(alone.status, 0);
        EXPECT_EQ(alone.err, QString());
    }
}

TEST_F(ToolArchives, MemberNamesThatAreNotUtf8RoundTrip) {
    const QByteArray name("templates\\\xE9t\xE9.got");
    buildArchive(path(QStringLiteral("mod.mpq")), {{name, sample() + QByteArray(1, 0)}});
    const ToolRun list = toolWithBytes({"mpq", "list", "mod.mpq"});
    EXPECT_EQ(list.rawOut, name + '\n');
    const ToolRun set = toolWithBytes({"got", "set", "mpq:mod.mpq::" + name, "gametypename=Accent"});
    EXPECT_EQ(set.status, 0) << set.rawErr.toStdString();
    const ToolRun shown = toolWithBytes({"got", "show", "mpq:mod.mpq::"});
    EXPECT_TRUE(shown.rawOut.startsWith("file: mpq:mod.mpq::templates\\\\\xE9t\xE9.got\ngametypename: Accent\n"))
        << shown.rawOut.toStdString();
}

}  // namespace
}  // namespace pellax::test
