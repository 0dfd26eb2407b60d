#include "framework/widgets/filedialog.h"
#include "framework/windows/dialogs.h"
#include "support/fixtures.h"

namespace pellax {
namespace {

TEST(DialogFilters, BecomeQtFilters) {
    EXPECT_EQ(toQtFilter(QStringLiteral("Starcraft GOT files|*.got")), QStringLiteral("Starcraft GOT files (*.got)"));
    EXPECT_EQ(toQtFilter(QStringLiteral("Text|*.txt;*.asc|All|*.*")), QStringLiteral("Text (*.txt *.asc);;All (*.*)"));
    EXPECT_EQ(toQtFilter(QString()), QString());
}

TEST(DefaultExtension, IsAddedOnlyToNamesWithout) {
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/b"), QStringLiteral("*.got")), QStringLiteral("/a/b.got"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/b.lst"), QStringLiteral("*.got")), QStringLiteral("/a/b.lst"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a.d/b"), QStringLiteral("got")), QStringLiteral("/a.d/b.got"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/.hidden"), QStringLiteral(".got")),
              QStringLiteral("/a/.hidden.got"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/b"), QString()), QStringLiteral("/a/b"));
}

using FileDialogTest = test::AppTest;

TEST_F(FileDialogTest, ExecutePassesItsSettingsAndKeepsTheChoice) {
    TSaveDialog save(nullptr, QStringLiteral("savegotdial"));
    save.Filter = QStringLiteral("Starcraft GOT files|*.got");
    save.DefaultExt = QStringLiteral("*.got");
    save.Title = QStringLiteral("Pick");
    dialogs->answerFile(path(QStringLiteral("named")));
    dialogs->answerFile(std::nullopt);
    ASSERT_TRUE(save.Execute(nullptr));
    EXPECT_EQ(save.FileName, path(QStringLiteral("named.got")));
    EXPECT_FALSE(save.Execute(nullptr));
    EXPECT_EQ(save.FileName, path(QStringLiteral("named.got")));
    ASSERT_EQ(dialogs->fileRequests.size(), 2u);
    EXPECT_EQ(dialogs->fileRequests[0].kind, DialogKind::Save);
    EXPECT_EQ(dialogs->fileRequests[0].filter, save.Filter);
    EXPECT_EQ(dialogs->fileRequests[0].title, QStringLiteral("Pick"));

    // An open dialog keeps an existing file's name as typed.
    TOpenDialog open(nullptr, QStringLiteral("open"));
    open.DefaultExt = QStringLiteral("*.got");
    const QString plain = writeFile(QStringLiteral("plain"), "x");
    dialogs->answerFile(plain);
    ASSERT_TRUE(open.Execute(nullptr));
    EXPECT_EQ(open.FileName, plain);
}

}  // namespace
}  // namespace pellax
