#include "templateformtest.h"

#include "templatelist/templatelistfile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace pellax::test {
namespace {

// Opening and saving through the window's menu, with scripted file dialogs.
class TemplateFormFiles : public TemplateFormTest {
protected:
    void expectError(const char* text) {
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
        EXPECT_EQ(dialogs->messages[0].text, QString::fromUtf8(text));
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Error);
    }
};

TEST_F(TemplateFormFiles, OpenReplacesTheList) {
    setItems({"old1", "old2", "old3"});
    select(2);
    open(writeFile(QStringLiteral("t.lst"), "\"x\"\r\n\"y\"\r\n"));
    EXPECT_EQ(items(), (QStringList{"\"x\"", "\"y\""}));
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_TRUE(dialogs->messages.empty());

    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    const FileDialogRequest& request = dialogs->fileRequests[0];
    EXPECT_EQ(request.kind, DialogKind::Open);
    EXPECT_EQ(request.filter, QStringLiteral("Template files|*.lst|MPQ archives|*.mpq"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("*.lst"));
    EXPECT_TRUE(request.title.isEmpty());
}

TEST_F(TemplateFormFiles, OpenKeepsTheEntryField) {
    form.curgot->setText(QStringLiteral("typed"));
    open(writeFile(QStringLiteral("t.lst"), "a\r\n"));
    EXPECT_EQ(form.curgot->text(), QStringLiteral("typed"));
}

TEST_F(TemplateFormFiles, OpenOfUnixTextGivesOneItemPerLine) {
    open(writeFile(QStringLiteral("unix.lst"), "\"a\"\n\"b\"\n\"c\""));
    EXPECT_EQ(items(), (QStringList{"\"a\"", "\"b\"", "\"c\""}));
}

TEST_F(TemplateFormFiles, OpenStopsAtByteTwentySix) {
    open(writeFile(QStringLiteral("t.lst"), "\"a\"\r\n\x1A\"b\"\r\n"));
    EXPECT_EQ(items(), QStringList{"\"a\""});
}

TEST_F(TemplateFormFiles, OpenOfEmptyFileEmptiesTheList) {
    setItems({"a"});
    open(writeFile(QStringLiteral("empty.lst"), QByteArray()));
    EXPECT_EQ(form.gotlist->count(), 0);
}

TEST_F(TemplateFormFiles, OpenAddsTheDefaultExtension) {
    writeFile(QStringLiteral("games.lst"), "\"g\"\r\n");
    open(path(QStringLiteral("games")));
    EXPECT_EQ(items(), QStringList{"\"g\""});
}

TEST_F(TemplateFormFiles, OpenOfMissingFileKeepsTheList) {
    setItems({"a", "b"});
    select(1);
    open(path(QStringLiteral("missing.lst")));
    expectError("File not found.");
    EXPECT_EQ(items(), (QStringList{"a", "b"}));
    EXPECT_EQ(selectedRow(), 1);
}

TEST_F(TemplateFormFiles, OpenOfFolderKeepsTheList) {
    setItems({"a"});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.lst")));
    open(path(QStringLiteral("folder.lst")));
    expectError("File access denied.");
    EXPECT_EQ(items(), QStringList{"a"});
}

TEST_F(TemplateFormFiles, OpenOfUnreadableFileKeepsTheList) {
    if (runningAsRoot())
        GTEST_SKIP() << "root reads every file";
    const QString p = writeFile(QStringLiteral("locked.lst"), "\"x\"\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), 0), 0);
    setItems({"a"});
    open(p);
    expectError("File access denied.");
    EXPECT_EQ(items(), QStringList{"a"});
}

TEST_F(TemplateFormFiles, WindowStaysUsableAfterAFailedOpen) {
    open(path(QStringLiteral("missing.lst")));
    add(QStringLiteral("next"));
    EXPECT_EQ(items(), QStringList{"\"next\""});
}

TEST_F(TemplateFormFiles, CancelledDialogsChangeNothing) {
    setItems({"a"});
    select(0);
    open(std::nullopt);
    save(std::nullopt);
    EXPECT_EQ(items(), QStringList{"a"});
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(TemplateFormFiles, SaveWritesCrLfAfterEveryItem) {
    setItems({"\"a\"", "", "\"b\""});
    const QString p = path(QStringLiteral("out.lst"));
    save(p);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(readFile(p), QByteArray("\"a\"\r\n\r\n\"b\"\r\n"));
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].kind, DialogKind::Save);
    EXPECT_EQ(dialogs->fileRequests[0].filter, QStringLiteral("Template files|*.lst|MPQ archives|*.mpq"));
    EXPECT_EQ(dialogs->fileRequests[0].defaultExt, QStringLiteral("*.lst"));
}

TEST_F(TemplateFormFiles, SaveOfEmptyListGivesEmptyFile) {
    const QString p = writeFile(QStringLiteral("out.lst"), "old\r\n");
    save(p);
    EXPECT_TRUE(QFile::exists(p));
    EXPECT_EQ(readFile(p), QByteArray());
}

TEST_F(TemplateFormFiles, SaveAddsTheDefaultExtension) {
    setItems({"a"});
    save(path(QStringLiteral("named")));
    EXPECT_EQ(files(), QStringList{"named.lst"});
}

TEST_F(TemplateFormFiles, SaveOverReadOnlyFileLeavesItAsItWas) {
    const QString p = writeFile(QStringLiteral("ro.lst"), "keep\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), 0444), 0);
    setItems({"new"});
    save(p);
    expectError("File access denied.");
    EXPECT_EQ(readFile(p), QByteArray("keep\r\n"));
    EXPECT_EQ(files(), QStringList{"ro.lst"});
    EXPECT_EQ(items(), QStringList{"new"});
}

TEST_F(TemplateFormFiles, SaveOverFolderFails) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.lst")));
    setItems({"a"});
    save(path(QStringLiteral("folder.lst")));
    expectError("File access denied.");
    EXPECT_EQ(files(), QStringList{});
}

TEST_F(TemplateFormFiles, LineEndsBecomeCrLfOnSave) {
    open(writeFile(QStringLiteral("in.lst"), "a\nb\rc\r\nd"));
    const QString p = path(QStringLiteral("out.lst"));
    save(p);
    EXPECT_EQ(readFile(p), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
}

TEST_F(TemplateFormFiles, EveryOtherByteValueRoundTrips) {
    QByteArray text;
    for (int b = 0; b < 256; ++b) {
        if (b == 10 || b == 13 || b == 26)
            continue;
        text.append(static_cast<char>(b));
        if (b % 16 == 15)
            text.append("\r\n");
    }
    text.append("\r\n");
    open(writeFile(QStringLiteral("bytes.lst"), text));
    const QString p = path(QStringLiteral("copy.lst"));
    save(p);
    EXPECT_EQ(readFile(p), text);
}

TEST_F(TemplateFormFiles, NamesWithSpacesAndNonAscii) {
    const QString name = QString::fromUtf8("my l\u00EFst \u20AC \u65E5\u672C.lst");
    open(writeFile(name, "\"a\"\r\n"));
    EXPECT_EQ(items(), QStringList{"\"a\""});
    add(QStringLiteral("b"));
    save(path(name));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(readFile(path(name)), QByteArray("\"a\"\r\n\"b\"\r\n"));
    EXPECT_EQ(files(), QStringList{name});
}

TEST_F(TemplateFormFiles, HugeFileLoads) {
    constexpr int kEntries = 300'000;
    QByteArray text;
    text.reserve(kEntries * 16);
    for (int i = 0; i < kEntries; ++i)
        text.append("\"game" + QByteArray::number(i) + ".got\"\r\n");
    text.append(QByteArray(4'000'000, 'L'));
    open(writeFile(QStringLiteral("huge.lst"), text));
    ASSERT_EQ(form.gotlist->count(), kEntries + 1);
    EXPECT_EQ(form.entries->entries().at(kEntries - 1), QStringLiteral("\"game299999.got\""));
    EXPECT_EQ(form.entries->entries().at(kEntries).size(), 4'000'000);
}

TEST_F(TemplateFormFiles, BinaryFileLoadsAndSavesBack) {
    // Any bytes at all: NULs, control codes and high bytes, with line ends here and there.
    QByteArray binary;
    for (int i = 0; i < 20'000; ++i) {
        char c = static_cast<char>((i * 131 + 7) & 0xFF);
        if (c == 26)
            c = 0;
        binary.append(c);
    }
    open(writeFile(QStringLiteral("image.bin"), binary));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_GT(form.gotlist->count(), 1);
    const QString p = path(QStringLiteral("copy.lst"));
    save(p);
    // Same bytes, only the line ends written as CR LF.
    EXPECT_EQ(parseTemplateList(readFile(p)), parseTemplateList(binary));
}

}  // namespace
}  // namespace pellax::test
