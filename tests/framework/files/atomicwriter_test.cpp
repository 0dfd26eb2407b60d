#include "framework/files/atomicwriter.h"
#include "framework/files/ioerror.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace pellax {
namespace {

using AtomicWriter = test::AppTest;

int writeError(const QString& target, const QByteArray& content) {
    return test::ioErrorOf([&] { writeFileAtomically(target, content); });
}

QString writeErrorText(const QString& target, const QByteArray& content) {
    try {
        writeFileAtomically(target, content);
    } catch (const EInOutError& e) {
        return e.message();
    }
    return {};
}

QByteArray native(const QString& path) { return QFile::encodeName(path); }

struct stat statOf(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(native(path).constData(), &st), 0) << path.toStdString();
    return st;
}

QByteArray attributeOf(const QString& path, const char* name) {
    QByteArray value(4096, Qt::Uninitialized);
    const ssize_t n = ::getxattr(native(path).constData(), name, value.data(), static_cast<std::size_t>(value.size()));
    return n < 0 ? QByteArray("(missing)") : value.left(n);
}

// A POSIX access ACL as the kernel stores it in its attribute: version 2, then
// tag, permissions and id of each entry, little-endian.
QByteArray aclReadableBy(std::uint32_t user) {
    QByteArray acl;
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            acl.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const auto entry = [&](std::uint16_t tag, std::uint16_t permissions, std::uint32_t id) {
        put(tag, 2);
        put(permissions, 2);
        put(id, 4);
    };
    constexpr std::uint32_t noId = 0xFFFFFFFF;
    put(2, 4);
    entry(0x01, 6, noId);  // owner: read, write
    entry(0x02, 4, user);  // the named user: read
    entry(0x04, 4, noId);  // owning group: read
    entry(0x10, 4, noId);  // mask
    entry(0x20, 0, noId);  // others: nothing
    return acl;
}

int injectedFsyncError = 0;
int failingFsync(int) {
    errno = injectedFsyncError;
    return -1;
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

TEST_F(AtomicWriter, WritesWhereSymbolicLinksPoint) {
    const QString real = writeFile(QStringLiteral("real.got"), "old");
    const QString link = path(QStringLiteral("link.got"));
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_EQ(writeError(link, "new"), 0);
    EXPECT_EQ(readFile(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    // A chain whose end does not exist yet; each link is relative to its own folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_EQ(::symlink("sub/hop.got", native(path(QStringLiteral("chain.got"))).constData()), 0);
    ASSERT_EQ(::symlink("../made.got", native(path(QStringLiteral("sub/hop.got"))).constData()), 0);
    EXPECT_EQ(writeError(path(QStringLiteral("chain.got")), "made"), 0);
    EXPECT_EQ(readFile(path(QStringLiteral("made.got"))), QByteArray("made"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("chain.got"))).isSymLink());
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("sub/hop.got"))).isSymLink());

    ASSERT_EQ(::symlink("loop2.got", native(path(QStringLiteral("loop1.got"))).constData()), 0);
    ASSERT_EQ(::symlink("loop1.got", native(path(QStringLiteral("loop2.got"))).constData()), 0);
    EXPECT_EQ(writeError(path(QStringLiteral("loop1.got")), "x"), ioerr::InvalidFilename);
    EXPECT_EQ(files().join(QLatin1Char(' ')),
              QStringLiteral("chain.got link.got loop1.got loop2.got made.got real.got"));
}

TEST_F(AtomicWriter, NamesUpToTheFileSystemLimitCanBeSaved) {
    for (const qsizetype length : {248, 255}) {
        const QString target = path(QString(length - 4, QLatin1Char('n')) + QStringLiteral(".got"));
        EXPECT_EQ(writeError(target, "long"), 0) << length;
        EXPECT_EQ(writeError(target, "longer"), 0) << length;
        EXPECT_EQ(readFile(target), QByteArray("longer"));
        EXPECT_EQ(files().size(), 1);
        QFile::remove(target);
    }
    EXPECT_EQ(writeError(path(QString(256, QLatin1Char('n'))), "x"), ioerr::InvalidFilename);
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(AtomicWriter, AFailedFsyncClosesEveryFileAndReportsTheError) {
    const QString target = writeFile(QStringLiteral("old.got"), "old");
    const QString linked = writeFile(QStringLiteral("linked.got"), "old");
    ASSERT_EQ(::link(native(linked).constData(), native(path(QStringLiteral("second link.got"))).constData()), 0);
    const int before = test::openDescriptorCount();
    for (const QString& file : {target, linked}) {
        for (const int err : {EIO, ENOSPC}) {
            injectedFsyncError = err;
            const FsyncCall saved = replaceFsyncForTests(failingFsync);
            const QString text = writeErrorText(file, "new");
            replaceFsyncForTests(saved);
            EXPECT_EQ(text, err == EIO ? QStringLiteral("I/O error %1").arg(EIO) : QStringLiteral("Disk full"));
            EXPECT_EQ(test::openDescriptorCount(), before) << file.toStdString() << " errno " << err;
        }
    }
    EXPECT_EQ(readFile(target), QByteArray("old"));
    EXPECT_EQ(files(), QStringList({QStringLiteral("linked.got"), QStringLiteral("old.got"),
                                    QStringLiteral("second link.got")}));
}

TEST_F(AtomicWriter, KeepsOwnerGroupAclAndUserAttributes) {
    const QString target = writeFile(QStringLiteral("shared.got"), "old");
    // Root can hand the file to another user, as when root saves someone else's file.
    if (test::runningAsRoot()) {
        ASSERT_EQ(::chown(native(target).constData(), 65534, 65534), 0);
    }
    const QByteArray acl = aclReadableBy(65533);
    if (::setxattr(native(target).constData(), "user.pellax", "kept", 4, 0) != 0 ||
        ::setxattr(native(target).constData(), "system.posix_acl_access", acl.constData(),
                   static_cast<std::size_t>(acl.size()), 0) != 0) {
        if (errno == ENOTSUP)
            GTEST_SKIP() << "the temporary folder's file system has no extended attributes or ACLs";
        FAIL() << "setxattr: " << std::strerror(errno);
    }
    const struct stat before = statOf(target);

    EXPECT_EQ(writeError(target, "new"), 0);
    EXPECT_EQ(readFile(target), QByteArray("new"));
    const struct stat after = statOf(target);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not rewritten";
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(attributeOf(target, "user.pellax"), QByteArray("kept"));
    EXPECT_EQ(attributeOf(target, "system.posix_acl_access"), acl);
    EXPECT_EQ(files(), QStringList{QStringLiteral("shared.got")});
}

TEST_F(AtomicWriter, AHardLinkedTargetIsRewrittenInPlace) {
    const QString target = writeFile(QStringLiteral("a.got"), "old content");
    const QString other = path(QStringLiteral("b.got"));
    ASSERT_EQ(::link(native(target).constData(), native(other).constData()), 0);
    EXPECT_EQ(writeError(target, "new and longer content"), 0);
    EXPECT_EQ(readFile(other), QByteArray("new and longer content"));
    EXPECT_EQ(writeError(other, "short"), 0);
    EXPECT_EQ(readFile(target), QByteArray("short"));
    {
        // The room is taken before the first old byte is overwritten.
        test::FileSizeLimit limit(64);
        ASSERT_TRUE(limit.ok());
        EXPECT_EQ(writeError(target, QByteArray(200, 'n')), ioerr::DiskFull);
    }
    EXPECT_EQ(readFile(other), QByteArray("short"));
    EXPECT_EQ(statOf(target).st_nlink, 2u);
    EXPECT_EQ(files(), QStringList({QStringLiteral("a.got"), QStringLiteral("b.got")}));
}
TEST_F(AtomicWriter, AnUnwritableFolderLetsItsFilesBeRewrittenInPlaceOnly) {
    const QString sub = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString existing = writeFile(QStringLiteral("locked/old.got"), "old");
    ASSERT_TRUE(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));
    const auto unlock =
        qScopeGuard([&] { QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    {
        const test::ObeyPermissions obey;
        ASSERT_TRUE(obey.ok());
        EXPECT_EQ(writeError(existing, "new"), 0);
        EXPECT_EQ(writeError(sub + QStringLiteral("/a.got"), "x"), ioerr::AccessDenied);
    }
    EXPECT_EQ(readFile(existing), QByteArray("new"));
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.got")});
}
}  // namespace
}  // namespace pellax
