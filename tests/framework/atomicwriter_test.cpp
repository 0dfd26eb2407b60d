#include "framework/atomicwriter.h"
#include "framework/ioerror.h"
#include "support/fixtures.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

namespace pellax {
namespace {

using AtomicWriter = test::AppTest;

int writeError(const QString& target, const QByteArray& content) {
    return test::ioErrorOf([&] { writeFileAtomically(target, content); });
}

TEST_F(AtomicWriter, CreatesAndReplacesKeepingTheFileMode) {
    const QString target = path(QString::fromUtf8("new file ä.got"));
    EXPECT_EQ(writeError(target, "first"), 0);
    EXPECT_EQ(readFile(target), QByteArray("first"));
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    EXPECT_EQ(writeError(target, "second"), 0);
    EXPECT_EQ(readFile(target), QByteArray("second"));
    EXPECT_EQ(QFile::permissions(target),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadOther);
    EXPECT_EQ(files(), QStringList{QString::fromUtf8("new file ä.got")});
}

TEST_F(AtomicWriter, RefusesTargetsThatMayNotBeWritten) {
    const QString readOnly = writeFile(QStringLiteral("ro.got"), "keep");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
    EXPECT_EQ(writeError(readOnly, "lost"), ioerr::AccessDenied);
    EXPECT_EQ(readFile(readOnly), QByteArray("keep"));

    EXPECT_EQ(writeError(dir.path(), "x"), ioerr::AccessDenied);
    EXPECT_EQ(writeError(path(QStringLiteral("no such folder/a.got")), "x"), ioerr::InvalidFilename);
    EXPECT_EQ(writeError(QStringLiteral("/dev/null"), "x"), ioerr::AccessDenied);
    EXPECT_EQ(files(), QStringList{QStringLiteral("ro.got")});
}

TEST_F(AtomicWriter, AFullDiskLeavesTheOldFileAndNoTemporary) {
    const QString target = writeFile(QStringLiteral("old.got"), "old content");
    {
        test::FileSizeLimit limit(64);
        EXPECT_EQ(writeError(target, QByteArray(200, 'n')), ioerr::DiskFull);
    }
    EXPECT_EQ(readFile(target), QByteArray("old content"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("old.got")});
}

TEST_F(AtomicWriter, AbandonedWriteChangesNothing) {
    const QString target = writeFile(QStringLiteral("old.got"), "old");
    {
        AtomicFileWriter writer(target);
        writer.write(QByteArray("never committed"));
        EXPECT_TRUE(QFileInfo::exists(QString::fromLocal8Bit(writer.temporaryPath())));
    }
    EXPECT_EQ(readFile(target), QByteArray("old"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("old.got")});
}

TEST_F(AtomicWriter, WritesThroughASymbolicLink) {
    const QString real = writeFile(QStringLiteral("real.got"), "old");
    const QString link = path(QStringLiteral("link.got"));
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_EQ(writeError(link, "new"), 0);
    EXPECT_EQ(readFile(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST_F(AtomicWriter, UnwritableFolderIsAccessDenied) {
    if (test::runningAsRoot())
        GTEST_SKIP() << "root may write into any folder";
    const QString sub = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(sub));
    ASSERT_TRUE(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(writeError(sub + QStringLiteral("/a.got"), "x"), ioerr::AccessDenied);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace pellax
