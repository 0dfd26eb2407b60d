#include "framework/files/inputfile.h"
#include "framework/files/ioerror.h"
#include "support/fixtures.h"

#include <QFile>

#include <sys/stat.h>

namespace pellax {
namespace {

using InputFileTest = test::AppTest;

TEST_F(InputFileTest, ReportsWhyAFileCannotBeRead) {
    EXPECT_EQ(test::ioErrorOf([&] { InputFile f(path(QStringLiteral("missing.got"))); }), ioerr::FileNotFound);
    EXPECT_EQ(test::ioErrorOf([&] { InputFile f(dir.path()); }), ioerr::AccessDenied);
    EXPECT_EQ(test::ioErrorOf([&] { InputFile f{QString()}; }), ioerr::FileNotFound);
    const QString shortFile = writeFile(QStringLiteral("short"), QByteArray(10, 'x'));
    EXPECT_EQ(test::ioErrorOf([&] {
                  InputFile f(shortFile);
                  char buffer[11];
                  f.readExact(buffer, sizeof buffer);
              }),
              ioerr::ReadBeyondEnd);
}

TEST_F(InputFileTest, RefusesPipesAndDevicesWithoutWaiting) {
    const QString fifo = path(QStringLiteral("pipe.got"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(test::ioErrorOf([&] { InputFile f(fifo); }), ioerr::AccessDenied);
    EXPECT_EQ(test::ioErrorOf([&] { InputFile f(QStringLiteral("/dev/zero")); }), ioerr::AccessDenied);
}

TEST_F(InputFileTest, ReadsReadOnlyFilesAndOddNames) {
    const QString name = QString::fromUtf8("dir with spaces ünïcode.got");
    const QString p = writeFile(name, QByteArray("abcdef"));
    ASSERT_TRUE(QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadGroup));
    InputFile f(p);
    char buffer[4] = {};
    f.readExact(buffer, 3);
    EXPECT_EQ(QByteArray(buffer, 3), QByteArray("abc"));
    EXPECT_EQ(f.readAll(), QByteArray("def"));
}

}  // namespace
}  // namespace pellax
