#include "support/fixtures.h"
#include "trigger/triggerconvert.h"
#include "triggertestsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pellax {
namespace {

using test::ioErrorOf;
using test::noiseBytes;
using test::triggerHeader;

class TriggerConvertTest : public test::AppTest {
protected:
    QString source(const QByteArray& bytes) { return writeFile(QStringLiteral("map.trg"), bytes); }
    QString output() const { return path(QStringLiteral("map.trged")); }

    QByteArray stripped(const QByteArray& bytes) {
        EXPECT_EQ(convertTriggerFile(true, source(bytes), output()), TriggerCopyOutcome::Written);
        return readFile(output());
    }
    QByteArray added(const QByteArray& bytes) {
        EXPECT_EQ(convertTriggerFile(false, source(bytes), output()), TriggerCopyOutcome::Written);
        return readFile(output());
    }
};

TEST_F(TriggerConvertTest, StripDropsTheFirstEightBytesWithoutLookingAtThem) {
    EXPECT_EQ(stripped(triggerHeader()), QByteArray());
    EXPECT_TRUE(QFile::exists(output()));
    EXPECT_EQ(stripped(QByteArray("ABCDEFGHZ")), QByteArray("Z"));
    EXPECT_EQ(stripped(QByteArray(8, '\0') + "payload"), QByteArray("payload"));
    EXPECT_EQ(stripped(triggerHeader() + triggerHeader() + "x"), triggerHeader() + "x");
}

TEST_F(TriggerConvertTest, StripOfAShortSourceWritesNothing) {
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray("previous output"));
    for (const QByteArray& bytes : {QByteArray(), QByteArray("q"), triggerHeader().left(7)}) {
        EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(true, source(bytes), output()); }), ioerr::ReadBeyondEnd)
            << bytes.size() << " bytes";
        EXPECT_EQ(readFile(previous), QByteArray("previous output"));
        EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg"), QStringLiteral("map.trged")}));
    }
    QFile::remove(previous);
    EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(true, source("1234567"), output()); }), ioerr::ReadBeyondEnd);
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg")}));
}

TEST_F(TriggerConvertTest, AddPutsTheHeaderInFrontOfASourceWithoutIt) {
    EXPECT_EQ(added("plain trigger data"), triggerHeader() + "plain trigger data");
    EXPECT_EQ(added(QByteArray()), triggerHeader());
    EXPECT_EQ(added("abc"), triggerHeader() + "abc");
    // Almost the header: too short, wrong second byte, wrong last byte, one byte late.
    for (const QByteArray& bytes : {triggerHeader().left(7), QByteArray("\x71\x78rest of it"),
                                    triggerHeader().left(7) + '\x01' + "tail", ' ' + triggerHeader()})
        EXPECT_EQ(added(bytes), triggerHeader() + bytes) << bytes.toHex().toStdString();
}

TEST_F(TriggerConvertTest, AddRefusesASourceThatAlreadyBeginsWithTheHeader) {
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray("previous output"));
    for (const QByteArray& bytes : {triggerHeader(), triggerHeader() + "body", triggerHeader() + triggerHeader()}) {
        EXPECT_EQ(convertTriggerFile(false, source(bytes), output()), TriggerCopyOutcome::AlreadyHasHeader);
        EXPECT_EQ(readFile(previous), QByteArray("previous output"));
        EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg"), QStringLiteral("map.trged")}));
    }
    QFile::remove(previous);
    EXPECT_EQ(convertTriggerFile(false, source(triggerHeader()), output()), TriggerCopyOutcome::AlreadyHasHeader);
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg")}));
}

// Sizes around the copy block, where the first block and the following ones meet.
class TriggerBlockTest : public TriggerConvertTest, public ::testing::WithParamInterface<qsizetype> {};

TEST_P(TriggerBlockTest, AddThenStripGivesTheOriginalBytes) {
    const QByteArray original = noiseBytes(GetParam(), static_cast<std::uint32_t>(GetParam()));
    const QByteArray withHeader = added(original);
    ASSERT_EQ(withHeader.size(), original.size() + 8);
    EXPECT_TRUE(withHeader.startsWith(triggerHeader()));
    EXPECT_TRUE(withHeader.mid(8) == original);
    EXPECT_TRUE(stripped(withHeader) == original);
}

// Around the block size of a copy that the kernel cannot make itself, and around
// the first page of an added header's output, written through a buffer.
constexpr qsizetype kBlock = 1024 * 1024;
INSTANTIATE_TEST_SUITE_P(AroundTheBlockSize, TriggerBlockTest,
                         ::testing::Values(kBlock - 8, kBlock - 1, kBlock, kBlock + 1, 3 * kBlock + 5));
INSTANTIATE_TEST_SUITE_P(AroundTheFirstPage, TriggerBlockTest, ::testing::Values(4087, 4088, 4089, 8192));

TEST_F(TriggerConvertTest, SourceErrorsLeaveTheOutputAlone) {
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray("previous output"));
    for (const bool strip : {true, false}) {
        EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(strip, path(QStringLiteral("missing.trg")), output()); }),
                  ioerr::FileNotFound);
        EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(strip, dir.path(), output()); }), ioerr::AccessDenied);
        EXPECT_EQ(readFile(previous), QByteArray("previous output"));
        EXPECT_EQ(files(), QStringList({QStringLiteral("map.trged")}));
    }
}

TEST_F(TriggerConvertTest, AnUnreadableSourceIsDenied) {
    if (test::runningAsRoot())
        GTEST_SKIP() << "root reads any file";
    const QString src = source("secret trigger");
    ASSERT_TRUE(QFile::setPermissions(src, QFileDevice::WriteOwner));
    EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(false, src, output()); }), ioerr::AccessDenied);
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg")}));
}

// Collects what happens to one file; an open for writing shows as IN_CLOSE_WRITE
// even when nothing is written, whatever the permissions let the process do.
class FileWatch {
public:
    explicit FileWatch(const QString& path) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0)
            ::inotify_add_watch(fd_, QFile::encodeName(path).constData(), IN_ALL_EVENTS);
    }
    ~FileWatch() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    bool valid() const { return fd_ >= 0; }
    std::uint32_t events() const {
        std::uint32_t mask = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                mask |= event->mask;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return mask;
    }

private:
    int fd_;
};

TEST_F(TriggerConvertTest, TheSourceIsOnlyRead) {
    const QByteArray bytes = QByteArray("read-only trigger");
    const QString src = source(bytes);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(src, readOnly));
    const auto permissions = QFile::permissions(src);
    FileWatch watch(src);
    ASSERT_TRUE(watch.valid());

    EXPECT_EQ(convertTriggerFile(false, src, output()), TriggerCopyOutcome::Written);
    EXPECT_EQ(readFile(output()), triggerHeader() + bytes);
    EXPECT_EQ(convertTriggerFile(true, src, output()), TriggerCopyOutcome::Written);
    EXPECT_EQ(readFile(output()), bytes.mid(8));

    const std::uint32_t seen = watch.events();
    EXPECT_TRUE(seen & IN_CLOSE_NOWRITE);
    EXPECT_FALSE(seen & (IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB));
    EXPECT_EQ(readFile(src), bytes);
    EXPECT_EQ(QFile::permissions(src), permissions);
}

TEST_F(TriggerConvertTest, AnExistingOutputIsReplacedWhole) {
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray(5000, 'o'));
    EXPECT_EQ(stripped(triggerHeader() + "new"), QByteArray("new"));
    EXPECT_EQ(readFile(previous), QByteArray("new"));
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg"), QStringLiteral("map.trged")}));
}

TEST_F(TriggerConvertTest, AnOutputThatCannotBeWrittenIsDenied) {
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray("read-only output"));
    ASSERT_TRUE(QFile::setPermissions(previous, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                    QFileDevice::ReadOther));
    const QString src = source("no header, either mode converts");
    for (const bool strip : {true, false})
        EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(strip, src, output()); }), ioerr::AccessDenied);
    EXPECT_EQ(readFile(previous), QByteArray("read-only output"));
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg"), QStringLiteral("map.trged")}));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.trged")));
    EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(true, src, path(QStringLiteral("folder.trged"))); }),
              ioerr::AccessDenied);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder.trged"))).isDir());
}

TEST_F(TriggerConvertTest, AnOutputThatIsTheSourceItselfIsRefusedBeforeAnythingIsWritten) {
    const QByteArray bytes("no header, either mode converts");
    const QString src = source(bytes);
    ASSERT_TRUE(QFile::link(src, output()));
    const QString hardLink = path(QStringLiteral("hard.trg"));
    ASSERT_EQ(::link(QFile::encodeName(src).constData(), QFile::encodeName(hardLink).constData()), 0);
    for (const bool strip : {true, false}) {
        for (const QString& target : {output(), src, hardLink})
            EXPECT_EQ(ioErrorOf([&] { convertTriggerFile(strip, src, target); }), ioerr::AccessDenied)
                << strip << " " << target.toStdString();
    }
    EXPECT_EQ(readFile(src), bytes);
    EXPECT_TRUE(QFileInfo(output()).isSymLink());
    EXPECT_EQ(files().join(QLatin1Char(' ')), QStringLiteral("hard.trg map.trg map.trged"));
}

TEST_F(TriggerConvertTest, AWriteThatFailsHalfWayLeavesTheOldOutput) {
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray("previous output"));
    const QString src = source(noiseBytes(3 * kBlock, 7));
    for (const bool strip : {true, false}) {
        int code = 0;
        {
            const test::FileSizeLimit limit(kBlock + kBlock / 2);
            ASSERT_TRUE(limit.ok());
            code = ioErrorOf([&] { convertTriggerFile(strip, src, output()); });
        }
        EXPECT_EQ(code, ioerr::DiskFull);
        EXPECT_EQ(readFile(previous), QByteArray("previous output"));
        EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg"), QStringLiteral("map.trged")}));
    }
}

}  // namespace
}  // namespace pellax
