#include "framework/files/exception.h"
#include "framework/files/registry.h"

#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace pellax {
namespace {

const QString kKey = QStringLiteral("SOFTWARE\\Quorvane\\Pellax editor");

TEST(Registry, CreatesKeysAndRemembersValuesAcrossAccessors) {
    test::ScopedSettingsStore store;
    {
        TRegistry reg;
        reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
        EXPECT_FALSE(reg.OpenKey(kKey, false));  // missing, and may not be created
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        EXPECT_FALSE(reg.ValueExists(QStringLiteral("started")));
        reg.WriteInteger(QStringLiteral("started"), 1);
    }
    TRegistry again(TRegistry::Access::ReadOnly);
    again.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(again.OpenKeyReadOnly(kKey));
    EXPECT_TRUE(again.ValueExists(QStringLiteral("started")));
    EXPECT_EQ(again.ReadString(QStringLiteral("started")), QStringLiteral("1"));
    EXPECT_THROW(again.WriteInteger(QStringLiteral("other"), 2), ERegistryException);
    EXPECT_TRUE(QFile::exists(store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini")));
}

TEST(Registry, DesktopColoursAnswerUnlessTheUserSetsThem) {
    test::ScopedSettingsStore store;
    TRegistry reg(TRegistry::Access::ReadOnly);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Control Panel\\Colors")));
    EXPECT_EQ(reg.ReadString(QStringLiteral("GradientActiveTitle")), QStringLiteral("16 132 208"));
    EXPECT_EQ(reg.ReadString(QStringLiteral("GradientInactiveTitle")), QStringLiteral("192 192 192"));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("NoSuchColour")));

    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey(QStringLiteral("Control Panel\\Colors"), true));
    writer.WriteString(QStringLiteral("GradientActiveTitle"), QStringLiteral("1 2 3"));
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Control Panel\\Colors")));
    EXPECT_EQ(reg.ReadString(QStringLiteral("GradientActiveTitle")), QStringLiteral("1 2 3"));
}

TEST(Registry, AStoreThatCannotBeMadeOpensNothing) {
    test::ScopedSettingsStore store;
    // The hive's file is a folder: nothing can be opened there, even as root.
    ASSERT_TRUE(QDir().mkpath(store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini")));
    TRegistry reg;
    reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey(kKey, true));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("started")));
}

TEST(Registry, DesktopColoursAnswerOverAUserStoreThatCannotBeRead) {
    test::ScopedSettingsStore store;
    ASSERT_TRUE(QDir().mkpath(store.folder() + QStringLiteral("/HKEY_CURRENT_USER.ini")));
    TRegistry reg(TRegistry::Access::ReadOnly);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("Control Panel\\Colors")));
    EXPECT_EQ(reg.ReadString(QStringLiteral("GradientInactiveTitle")), QStringLiteral("192 192 192"));
    EXPECT_FALSE(reg.OpenKeyReadOnly(QStringLiteral("Software")));
    TRegistry writer;
    EXPECT_FALSE(writer.OpenKey(QStringLiteral("Control Panel\\Colors"), true));
}

TEST(Registry, AValueThatCannotBeWrittenIsReportedAndNotRemembered) {
    test::ScopedSettingsStore store;
    TRegistry reg;
    reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    try {
        test::FileSizeLimit limit(0);
        reg.WriteInteger(QStringLiteral("started"), 1);
        ADD_FAILURE() << "the write went through";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Failed to set data for 'started'"));
    }
    TRegistry again;
    again.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(again.OpenKey(kKey, false) && again.ValueExists(QStringLiteral("started")));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(Registry, AFileThatDoesNotParseIsNeitherOpenedNorWritten) {
    QByteArray binary(16 * 1024, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 7919) >> 3);
    const QByteArray lineWithoutValue("[SOFTWARE]\nQuorvane\\Pellax%20editor\\other=2\njust a note\n[A]\nb=1\n");
    const QByteArray tooLarge = "[A]\nb=" + QByteArray(1024 * 1024, '1') + '\n';
    for (const QByteArray& content : {binary, lineWithoutValue, tooLarge}) {
        test::ScopedSettingsStore store;
        const QString file = store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
        writeAll(file, content);
        TRegistry reg;
        reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
        EXPECT_FALSE(reg.OpenKey(kKey, true));
        EXPECT_THROW(reg.WriteInteger(QStringLiteral("started"), 1), ERegistryException);
        reg.CloseKey();
        EXPECT_EQ(readAll(file), content);
    }
}

// While alive, the process cannot open another file.
class NoNewDescriptors {
public:
    NoNewDescriptors() {
        ok_ = ::getrlimit(RLIMIT_NOFILE, &saved_) == 0;
        rlimit none = saved_;
        none.rlim_cur = 0;
        ok_ = ok_ && ::setrlimit(RLIMIT_NOFILE, &none) == 0;
    }
    ~NoNewDescriptors() {
        if (ok_)
            ::setrlimit(RLIMIT_NOFILE, &saved_);
    }
    NoNewDescriptors(const NoNewDescriptors&) = delete;
    NoNewDescriptors& operator=(const NoNewDescriptors&) = delete;
    bool ok() const noexcept { return ok_; }

private:
    rlimit saved_{};
    bool ok_ = false;
};

QString readStarted() {
    TRegistry reg(TRegistry::Access::ReadOnly);
    reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    return reg.OpenKeyReadOnly(kKey) ? reg.ReadString(QStringLiteral("started")) : QStringLiteral("not opened");
}

// Changes the file where it is, keeping its size and modification time.
void rewriteInPlace(const QString& path, const QByteArray& bytes) {
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_EQ(f.size(), bytes.size());
    ASSERT_EQ(f.write(bytes), bytes.size());
    f.close();
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

TEST(Registry, AStoreIsReadOnceAndAgainWhenItsFileChanges) {
    test::ScopedSettingsStore store;
    const QString file = store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
    const auto content = [](char digit) {
        return QByteArray("[SOFTWARE]\nQuorvane\\Pellax%20editor\\started=") + digit + '\n';
    };
    writeAll(file, content('1'));
    // Changes quicker than the file's times advance are seen.
    for (char digit : {'2', '3', '4'}) {
        EXPECT_EQ(readStarted(), QString(QChar::fromLatin1(static_cast<char>(digit - 1))));
        rewriteInPlace(file, content(digit));
    }
    EXPECT_EQ(readStarted(), QStringLiteral("4"));

    // Once the file has settled, reading it again needs no file.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    EXPECT_EQ(readStarted(), QStringLiteral("4"));
    {
        NoNewDescriptors limit;
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(QFile(file).open(QIODevice::ReadOnly));
        EXPECT_EQ(readStarted(), QStringLiteral("4"));
    }
    // A change in place, however well hidden, is still seen.
    rewriteInPlace(file, content('5'));
    EXPECT_EQ(readStarted(), QStringLiteral("5"));
    // So is another file put in its place, of the same size and time.
    const QString other = store.folder() + QStringLiteral("/other.ini");
    writeAll(other, content('6'));
    struct stat was {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &was), 0);
    const timespec times[2] = {was.st_atim, was.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(other).constData(), times, 0), 0);
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()), 0);
    EXPECT_EQ(readStarted(), QStringLiteral("6"));
    // And the store's own change.
    TRegistry writer;
    writer.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(writer.OpenKey(kKey, false));
    writer.WriteInteger(QStringLiteral("started"), 7);
    EXPECT_EQ(readStarted(), QStringLiteral("7"));
}

TEST(Registry, StoringAValueChangesOnlyItsLine) {
    test::ScopedSettingsStore store;
    const QString file = store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
    const QByteArray before("; kept as written\r\n[Zeta]\r\nx = 1\r\n\r\n[SOFTWARE]\r\nOther\\y=\"a,b\"\r\n\r\n[Alpha]\r\nz=2");
    writeAll(file, before);
    {
        TRegistry reg;
        reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger(QStringLiteral("started"), 1);
        ASSERT_TRUE(reg.OpenKey(QStringLiteral("SOFTWARE\\Other"), false));
        EXPECT_EQ(reg.ReadString(QStringLiteral("y")), QStringLiteral("a,b"));
    }
    QByteArray expected = before;
    expected.insert(expected.indexOf("\r\n\r\n[Alpha]") + 2, "Quorvane\\Pellax%20editor\\started=1\r\n");
    EXPECT_EQ(readAll(file), expected);
    // Qt's own reader finds it where it put such a value itself.
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("SOFTWARE/Quorvane/Pellax editor/started")),
              QVariant(QStringLiteral("1")));
}

// A byte-order mark may open an INI file (Windows' editors write one): the file
// is read, and a change keeps the mark.
TEST(Registry, AFileBeginningWithAByteOrderMarkIsReadAndKeepsIt) {
    const QByteArray mark("\xEF\xBB\xBF");
    {
        test::ScopedSettingsStore store;
        const QString file = store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
        writeAll(file, mark + "[SOFTWARE]\r\nQuorvane\\Pellax%20editor\\started=1\r\n");
        EXPECT_EQ(readStarted(), QStringLiteral("1"));
        TRegistry reg;
        reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey(kKey, false));
        reg.WriteString(QStringLiteral("other"), QStringLiteral("2"));
        EXPECT_EQ(readAll(file), mark + "[SOFTWARE]\r\nQuorvane\\Pellax%20editor\\started=1\r\n"
                                        "Quorvane\\Pellax%20editor\\other=2\r\n");
    }
    // The mark alone: the first line goes right after it.
    test::ScopedSettingsStore store;
    const QString file = store.folder() + QStringLiteral("/HKEY_CURRENT_USER.ini");
    writeAll(file, mark);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Control Panel\\Colors"), true));
    reg.WriteString(QStringLiteral("GradientActiveTitle"), QStringLiteral("1 2 3"));
    EXPECT_EQ(readAll(file), mark + "[Control%20Panel]\nColors\\GradientActiveTitle=1 2 3\n");
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("Control Panel/Colors/GradientActiveTitle")),
              QVariant(QStringLiteral("1 2 3")));
}

// A value without a name would be a line without a key, which no reader takes:
// refused, and the file stays as it was.
TEST(Registry, AValueWithoutANameIsRefusedAndTheFileStaysReadable) {
    test::ScopedSettingsStore store;
    const QString file = store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
    const QByteArray before("[SOFTWARE]\nQuorvane\\Pellax%20editor\\started=1\n");
    writeAll(file, before);
    TRegistry reg;
    reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
    for (const QString& key : {QString(), QStringLiteral("\\"), kKey}) {
        ASSERT_TRUE(reg.OpenKey(key, true)) << key.toStdString();
        EXPECT_THROW(reg.WriteString(QString(), QStringLiteral("x")), ERegistryException) << key.toStdString();
    }
    EXPECT_EQ(readAll(file), before);
    EXPECT_EQ(readStarted(), QStringLiteral("1"));

    std::optional<IniFile> ini = IniFile::parse(before);
    ASSERT_TRUE(ini);
    EXPECT_FALSE(ini->setValue(QString(), QStringLiteral("x")));
    EXPECT_FALSE(ini->setValue(QStringLiteral("//"), QStringLiteral("x")));
    EXPECT_EQ(ini->bytes(), before);
}

// A file the store leaves alone is named on standard error once, with the reason.
TEST(Registry, ARefusedFileIsNamedOnceOnStandardErrorWithTheReason) {
    test::ScopedSettingsStore store;
    const QString machine = store.folder() + QStringLiteral("/HKEY_LOCAL_MACHINE.ini");
    writeAll(machine, "[SOFTWARE]\nQuorvane\\Pellax%20editor\\other=2\n\njust a note\n");
    const QString user = store.folder() + QStringLiteral("/HKEY_CURRENT_USER.ini");
    ASSERT_TRUE(QDir().mkpath(user));
    testing::internal::CaptureStderr();
    for (int turn = 0; turn < 3; ++turn) {
        EXPECT_EQ(readStarted(), QStringLiteral("not opened"));
        TRegistry reg;
        reg.SetRootKey(HKEY::HKEY_LOCAL_MACHINE);
        EXPECT_FALSE(reg.OpenKey(kKey, true));
        TRegistry colours;
        EXPECT_FALSE(colours.OpenKey(QStringLiteral("Control Panel\\Colors"), true));
    }
    const QString told = QString::fromLocal8Bit(testing::internal::GetCapturedStderr());
    EXPECT_EQ(told, QStringLiteral("pellax: settings file %1 is left as it is: line 4 is neither a section, a setting "
                                   "(name=value) nor a comment\n"
                                   "pellax: settings file %2 is left as it is: it is not a regular file\n")
                        .arg(machine, user));
}

}  // namespace
}  // namespace pellax
