#include "got/mainformfixture.h"

#include <QDir>
#include <QFile>

namespace pellax {
namespace {

using test::MainformTest;
using EditorFiles = MainformTest;

TEST_F(EditorFiles, LoadThenSaveKeepsEveryByte) {
    const QByteArray original = sampleRecord();
    const QString file = writeFile(QStringLiteral("round.got"), original);
    load(file);
    save(file);
    EXPECT_EQ(readFile(file), original + QByteArray(1, 0));
    EXPECT_TRUE(dialogs->messages.empty());

    // A flag byte of 0 also survives, and so does a longer file cut to 97 bytes.
    QByteArray longer = original;
    longer[0x4A] = 0;
    longer += QByteArray(500, 'x');
    const QString longFile = writeFile(QStringLiteral("long.got"), longer);
    load(longFile);
    save(longFile);
    EXPECT_EQ(readFile(longFile), longer.left(96) + QByteArray(1, 0));
}

TEST_F(EditorFiles, ReadOnlyFilesLoad) {
    const QString file = writeFile(QStringLiteral("ro.got"), sampleRecord());
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    load(file);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(form->gametypename->text(), QStringLiteral("Zerg rush"));
    // Saving over it is refused and leaves it alone.
    save(file);
    EXPECT_EQ(lastMessage(), QStringLiteral("File access denied."));
    EXPECT_EQ(readFile(file), sampleRecord());
}

TEST_F(EditorFiles, ShortFileChangesNothing) {
    form->NewGOTFile1Click();
    form->gametypename->setText(QStringLiteral("before"));
    const auto recordBefore = form->record();
    load(writeFile(QStringLiteral("short.got"), sampleRecord().left(95)));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Read beyond end of file."));
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(form->record(), recordBefore);
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax"));
    EXPECT_EQ(form->gametypename->text(), QStringLiteral("before"));
}

TEST_F(EditorFiles, BadChoicesReportTheirErrorAndTheEditorCarriesOn) {
    load(path(QStringLiteral("missing.got")));
    EXPECT_EQ(lastMessage(), QStringLiteral("File not found."));
    load(dir.path());
    EXPECT_EQ(lastMessage(), QStringLiteral("File access denied."));
    save(path(QStringLiteral("no folder/x.got")));
    EXPECT_EQ(lastMessage(), QStringLiteral("Invalid filename."));
    save(dir.path());
    EXPECT_EQ(lastMessage(), QStringLiteral("File access denied."));
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax"));
    EXPECT_TRUE(files().isEmpty());
    // Still usable.
    const QString good = writeFile(QStringLiteral("good.got"), sampleRecord());
    load(good);
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax - ") + good);
}

TEST_F(EditorFiles, HugeFileLoadsItsFirstBytesOnly) {
    const QString file = writeFile(QStringLiteral("huge.got"), sampleRecord());
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(3LL * 1024 * 1024 * 1024));  // sparse, costs no disk
    }
    load(file);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(form->gametypename->text(), QStringLiteral("Zerg rush"));
}

TEST_F(EditorFiles, FailedSaveLeavesTheFileAndCaption) {
    const QString file = writeFile(QStringLiteral("keep.got"), sampleRecord());
    form->NewGOTFile1Click();
    {
        test::FileSizeLimit limit(50);
        save(file);
    }
    EXPECT_EQ(lastMessage(), QStringLiteral("Disk full."));
    EXPECT_EQ(readFile(file), sampleRecord());
    EXPECT_EQ(files(), QStringList{QStringLiteral("keep.got")});
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax"));
}

TEST_F(EditorFiles, NamesWithSpacesAndNonAsciiCharacters) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("Spiele für alle")));
    const QString file = path(QString::fromUtf8("Spiele für alle/Größte Karte.got"));
    form->NewGOTFile1Click();
    form->gametypename->setText(QString::fromUtf8("Größte"));
    save(file);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax - ") + file);
    EXPECT_EQ(readFile(file).mid(1, 7), QByteArray("Gr\xF6\xDFte\0", 7));
    load(file);
    EXPECT_EQ(form->gametypename->text(), QString::fromUtf8("Größte"));
}

TEST_F(EditorFiles, FilesAreClosedOnEveryPath) {
    const QString good = writeFile(QStringLiteral("good.got"), sampleRecord());
    const QString shortFile = writeFile(QStringLiteral("short.got"), QByteArray(10, 1));
    const QString readOnly = writeFile(QStringLiteral("ro.got"), sampleRecord());
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    load(good);  // lets Qt open whatever it keeps open for good
    const int before = test::openDescriptorCount();
    for (int i = 0; i < 20; ++i) {
        load(good);
        load(shortFile);
        load(dir.path());
        save(readOnly);
        save(path(QStringLiteral("out.got")));
        test::FileSizeLimit limit(10);
        save(path(QStringLiteral("full.got")));
    }
    EXPECT_EQ(test::openDescriptorCount(), before);
    EXPECT_EQ(dialogs->messages.size(), 80u);
}

TEST_F(EditorFiles, SaveWithoutExtensionGetsTheDefaultOne) {
    form->NewGOTFile1Click();
    save(path(QStringLiteral("plain")));
    EXPECT_EQ(files(), QStringList{QStringLiteral("plain.got")});
    EXPECT_EQ(readFile(path(QStringLiteral("plain.got"))).size(), 97);
}

}  // namespace
}  // namespace pellax
