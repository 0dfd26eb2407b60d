// The command lines the README and the manual page show, run as a user
// would paste them into a shell, on files like those they name.

#include "support/mpqbuilder.h"
#include "toolfixture.h"

#include <QRegularExpression>
#include <QTextStream>

namespace pellax::test {
namespace {

using Examples = Tool;

QString sourceFile(const char* name) {
    QFile file(QStringLiteral(PELLAX_SOURCE_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

// The command lines of the README's shell block about the tool.
QStringList readmeExamples() {
    const QString readme = sourceFile("README.md");
    const qsizetype section = readme.indexOf(QStringLiteral("\n## Command-line tool\n"));
    const qsizetype from = readme.indexOf(QStringLiteral("```sh\n"), section);
    const qsizetype to = readme.indexOf(QStringLiteral("```\n"), from + 6);
    QStringList lines;
    for (const QString& line : readme.mid(from + 6, to - from - 6).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines.append(line);
    }
    return lines;
}

// The examples of the manual page: its indented lines that begin with the
// tool's name, a line ending in "|" going on in the next.
QStringList manualExamples() {
    QString page = sourceFile("data/man/pellax-tool.1");
    page.replace(QLatin1String("\\-"), QLatin1String("-")).replace(QLatin1String("\\e"), QLatin1String("\\"));
    QStringList lines;
    bool goesOn = false;
    for (const QString& raw : page.split(u'\n')) {
        const QString line = raw.trimmed();
        const bool example = raw.startsWith(u' ') && line.startsWith(QLatin1String("pellax-tool "));
        if (goesOn)
            lines.last() += QLatin1Char(' ') + line;
        else if (example)
            lines.append(line);
        goesOn = (goesOn || example) && line.endsWith(u'|');
    }
    return lines;
}

TEST_F(Examples, EveryCommandLineOfTheReadmeAndTheManualPageWorks) {
    const QStringList readme = readmeExamples();
    const QStringList manual = manualExamples();
    ASSERT_GE(readme.size(), 15);
    ASSERT_GE(manual.size(), 2);

    // The files they name: sound game types, a trigger file without its
    // header, a list of one entry, and an archive holding the like; the
    // game's melee triggers, loose and in a map.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("maps")));
    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("set"), QStringLiteral("--new"), QStringLiteral("a.got")}).status, 0);
    const QByteArray game = read(QStringLiteral("a.got"));
    write(QStringLiteral("maps/rush.got"), game);
    write(QStringLiteral("maps/one.trg"), "trigger body");
    write(QStringLiteral("template.lst"), "\"Melee\"\r\n");
    buildArchive(path(QStringLiteral("mod.mpq")),
                 {{"templates\\Melee.got", game}, {"templates\\templates.lst", "\"Melee\"\r\n"},
                  {"triggers\\Melee.trg", "trigger body"}});
    ASSERT_EQ(tool({QStringLiteral("got"), QStringLiteral("check"), QStringLiteral("a.got")}).status, 0);
    // The game's melee triggers as a trigger file, and in a map's scenario between other sections.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("triggers")));
    write(QStringLiteral("melee.txt"), "Trigger(\"All Players\"){\nConditions:\n\tOpponents(\"Current Player\", At most, 0);\n"
                                       "Actions:\n\tVictory();\n}\n"
                                       "Trigger(\"All Players\"){\nConditions:\n\tCommand(\"Current Player\", \"Buildings\", "
                                       "At most, 0);\nActions:\n\tDefeat();\n}\n");
    for (const char* file : {"triggers/Melee.trg", "a.trg"}) {
        ASSERT_EQ(tool({QStringLiteral("trg"), QStringLiteral("set"), QLatin1String(file), QStringLiteral("melee.txt")}).status, 0);
    }
    const QByteArray records = read(QStringLiteral("a.trg")).mid(8);
    const auto section = [](const QByteArray& name, const QByteArray& data) {
        const auto size = static_cast<quint32>(data.size());
        return name + QByteArray(1, char(size)) + QByteArray(1, char(size >> 8)) + QByteArray(1, char(size >> 16)) +
               QByteArray(1, char(size >> 24)) + data;
    };
    buildArchive(path(QStringLiteral("maps/rush.scx")),
                 {{"staredit\\scenario.chk", section("VER ", QByteArray(2, 'v')) + section("TRIG", records) +
                                                  section("MRGN", QByteArray(20, 0))}});

    const QString tools = QFileInfo(QStringLiteral(PELLAX_TOOL)).absolutePath();
    for (const QString& line : readme + manual) {
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), tools + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        shell.setProcessEnvironment(env);
        shell.setWorkingDirectory(dir.path());
        shell.start(QStringLiteral("bash"), {QStringLiteral("-o"), QStringLiteral("pipefail"), QStringLiteral("-c"), line});
        shell.closeWriteChannel();
        ASSERT_TRUE(shell.waitForFinished(30000)) << line.toStdString();
        const QString err = QString::fromUtf8(shell.readAllStandardError());
        EXPECT_EQ(shell.exitCode(), 0) << line.toStdString() << "\n" << err.toStdString();
        EXPECT_EQ(err, QString()) << line.toStdString();
    }
    // What they wrote is there.
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("maps/rush3.got"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("maps/one.trged"))));
    EXPECT_EQ(at(read(QStringLiteral("maps/rush3.got")), 0x51), 3);
    EXPECT_EQ(read(QStringLiteral("triggers/Copy.trg")), read(QStringLiteral("triggers/Melee.trg")));
    EXPECT_EQ(read(QStringLiteral("triggers/Rush.trg")), read(QStringLiteral("a.trg")));
    EXPECT_EQ(at(read(QStringLiteral("triggers/Near.trg")), 8 + 2400 + 8), 1);  // the defeat now at 1 building
}

}  // namespace
}  // namespace pellax::test
