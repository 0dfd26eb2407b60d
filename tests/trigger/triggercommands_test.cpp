#include "framework/widgets/filedialog.h"
#include "framework/windows/application.h"
#include "support/fixtures.h"
#include "trigger/triggercommands.h"
#include "trigger/triggerfile.h"
#include "triggertestsupport.h"

#include <QFile>
#include <QFileInfo>

namespace pellax {
namespace {

using test::ioErrorOf;
using test::noiseBytes;
using test::triggerHeader;

const QString kStripTitle = QStringLiteral("Select trigger file to strip header from");
const QString kAddTitle = QStringLiteral("Select trigger file to add header to");

class TriggerCommandsTest : public test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        opentrigs.Filter = QStringLiteral("Starcraft trigger files|*.trg");
        opentrigs.DefaultExt = QStringLiteral("*.trg");
    }

    // Runs a menu command the way the menu does: through the top-level guard.
    template <class Command>
    void run(Command command) {
        Application::instance().guard([&] { command(opentrigs, nullptr); });
    }

    TOpenDialog opentrigs{nullptr, QStringLiteral("opentrigs")};
};

TEST_F(TriggerCommandsTest, EachCommandAsksWithItsTitleAndConvertsTheChosenFile) {
    const QString src = writeFile(QStringLiteral("map.trg"), triggerHeader() + "body");

    dialogs->answerFile(src);
    run(Stripheader1Click);
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].kind, DialogKind::Open);
    EXPECT_EQ(dialogs->fileRequests[0].title, kStripTitle);
    EXPECT_EQ(dialogs->fileRequests[0].filter, QStringLiteral("Starcraft trigger files|*.trg"));
    EXPECT_EQ(readFile(src + "ed"), QByteArray("body"));

    dialogs->answerFile(src + "ed");
    run(Addheader1Click);
    ASSERT_EQ(dialogs->fileRequests.size(), 2u);
    EXPECT_EQ(dialogs->fileRequests[1].title, kAddTitle);
    EXPECT_EQ(opentrigs.Title, kAddTitle);
    EXPECT_EQ(readFile(src + "eded"), triggerHeader() + "body");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(readFile(src), triggerHeader() + "body");
}

TEST_F(TriggerCommandsTest, CancellingDoesNothing) {
    writeFile(QStringLiteral("map.trg"), triggerHeader() + "body");
    dialogs->answerFile(std::nullopt);
    run(Stripheader1Click);
    dialogs->answerFile(std::nullopt);
    run(Addheader1Click);
    EXPECT_EQ(dialogs->fileRequests.size(), 2u);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg")}));
}

TEST_F(TriggerCommandsTest, AddOnAFileWithTheHeaderSaysSoAndWritesNothing) {
    const QString src = writeFile(QStringLiteral("map.trg"), triggerHeader() + "body");
    const QString previous = writeFile(QStringLiteral("map.trged"), QByteArray("previous output"));
    dialogs->answerFile(src);
    run(Addheader1Click);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("File already has a header"));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::None);
    EXPECT_EQ(readFile(previous), QByteArray("previous output"));
    EXPECT_EQ(files(), QStringList({QStringLiteral("map.trg"), QStringLiteral("map.trged")}));
}

TEST_F(TriggerCommandsTest, FileErrorsAreRaisedForTheTopLevelHandler) {
    const QString missing = path(QStringLiteral("gone.trg"));
    EXPECT_EQ(ioErrorOf([&] { CopyTriggerFile(true, missing); }), ioerr::FileNotFound);
    EXPECT_EQ(ioErrorOf([&] { CopyTriggerFile(false, missing); }), ioerr::FileNotFound);
    EXPECT_EQ(ioErrorOf([&] { CopyTriggerFile(true, dir.path()); }), ioerr::AccessDenied);
    const QString tiny = writeFile(QStringLiteral("tiny.trg"), QByteArray("qw"));
    EXPECT_EQ(ioErrorOf([&] { CopyTriggerFile(true, tiny); }), ioerr::ReadBeyondEnd);
    EXPECT_TRUE(dialogs->messages.empty());

    dialogs->answerFile(missing);
    run(Stripheader1Click);
    dialogs->answerFile(tiny);
    run(Stripheader1Click);
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("File not found."));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs->messages[1].text, QStringLiteral("Read beyond end of file."));
    EXPECT_EQ(files(), QStringList({QStringLiteral("tiny.trg")}));
}

TEST_F(TriggerCommandsTest, NamesWithSpacesAndNonAsciiCharacters) {
    const QString name = QString::fromUtf8("Kampf um Ödland – 日本 map.trg");
    const QString src = writeFile(name, QByteArray("no header here"));
    CopyTriggerFile(false, src);
    EXPECT_EQ(readFile(src + "ed"), triggerHeader() + "no header here");
    EXPECT_EQ(files(), QStringList({name, name + "ed"}));
}

TEST_F(TriggerCommandsTest, AMultiMegabyteSourceSurvivesAddThenStrip) {
    const QByteArray original = noiseBytes(5 * 1024 * 1024 + 3, 42);
    const QString src = writeFile(QStringLiteral("big.trg"), original);
    CopyTriggerFile(false, src);
    CopyTriggerFile(true, src + "ed");
    EXPECT_EQ(QFileInfo(src + "ed").size(), original.size() + 8);
    EXPECT_TRUE(readFile(src + "eded") == original);
}

}  // namespace
}  // namespace pellax
