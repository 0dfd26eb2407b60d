#include "app/program.h"

#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include <memory>

namespace pellax {
namespace {

const QString kAppId = QStringLiteral(PELLAX_APP_ID);
const QString kDataDir = QStringLiteral(PELLAX_DATA_DIR);

// On Wayland the compositor finds the menu entry, and with it the icon, by the
// name the program gives its windows.
class DesktopFilesTest : public test::AppTest {};

// The name is read from the files a desktop reads, not from the constant the
// program sets it from.
TEST_F(DesktopFilesTest, WindowsCarryTheMenuEntrysName) {
    QGuiApplication::setDesktopFileName(QString());
    const auto program = std::make_unique<Program>();
    const QStringList entries = QDir(kDataDir).entryList({QStringLiteral("*.desktop")}, QDir::Files);
    ASSERT_EQ(entries.size(), 1);
    const QString entryName = QFileInfo(entries[0]).completeBaseName();
    EXPECT_EQ(QGuiApplication::desktopFileName(), entryName);
    // The entry names its icon, and the software centre's record names the entry, by the same name.
    QFile entry(kDataDir + QLatin1Char('/') + entries[0]);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().split('\n').contains("Icon=" + entryName.toUtf8()));
    QFile metainfo(kDataDir + QLatin1Char('/') + entryName + QStringLiteral(".metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(metainfo.readAll().contains("<launchable type=\"desktop-id\">" + entries[0].toUtf8() + "</launchable>"));
}

// The file types, as a desktop sees them once update-mime-database has
// compiled the package's definitions: Qt reads the same database.
TEST_F(DesktopFilesTest, FileTypesByNameAndTriggerFilesByTheirHeader) {
    const test::ScopedEnv home("XDG_DATA_HOME", path(QStringLiteral("home")));
    const test::ScopedEnv dirs("XDG_DATA_DIRS",
                               path(QStringLiteral("share")) + QStringLiteral(":/usr/local/share:/usr/share"));
    const QString mime = path(QStringLiteral("share/mime"));
    ASSERT_TRUE(QDir().mkpath(mime + QStringLiteral("/packages")));
    ASSERT_TRUE(QFile::copy(kDataDir + QLatin1Char('/') + kAppId + QStringLiteral(".mime.xml"),
                            mime + QStringLiteral("/packages/") + kAppId + QStringLiteral(".xml")));
    QProcess update;
    update.start(QStandardPaths::findExecutable(QStringLiteral("update-mime-database")), {mime});
    ASSERT_TRUE(update.waitForFinished(30000));
    ASSERT_EQ(update.exitCode(), 0);
    // It warns about anything it does not understand, and then ignores it.
    const QByteArray warnings = update.readAllStandardError();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
    ASSERT_TRUE(QFileInfo::exists(mime + QStringLiteral("/mime.cache")));

    const QByteArray header("qw\x98\x36\x18\0\0\0", 8);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* type;
    } cases[] = {
        {"rush.got", QByteArray(97, '\0'), "application/x-starcraft-gametype"},
        {"RUSH.GOT", QByteArray(97, '\0'), "application/x-starcraft-gametype"},
        {"one.trg", header + "body", "application/x-starcraft-trigger"},
        {"stripped.trg", "body", "application/x-starcraft-trigger"},
        {"trigger-without-extension", header + "body", "application/x-starcraft-trigger"},
        {"almost-a-header", header.left(7) + "\x01" + "body", "application/octet-stream"},
        {"template.lst", "\"rush.got\"\r\n", "text/x-starcraft-template-list"},
        {"Template.LST", "\"rush.got\"\r\n", "text/x-starcraft-template-list"},
        {"other.lst", "\"rush.got\"\r\n", "text/plain"},
    };
    const QMimeDatabase db;
    for (const auto& c : cases) {
        const QString file = writeFile(QString::fromLatin1(c.name), c.bytes);
        EXPECT_EQ(db.mimeTypeForFile(file).name(), QString::fromLatin1(c.type)) << c.name;
    }
    EXPECT_TRUE(db.mimeTypeForName(QStringLiteral("text/x-starcraft-template-list"))
                    .inherits(QStringLiteral("text/plain")));
}

}  // namespace
}  // namespace pellax
