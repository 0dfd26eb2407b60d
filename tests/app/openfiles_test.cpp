#include "app/aboutform.h"
#include "app/commandline.h"
#include "app/firstrun.h"
#include "app/program.h"
#include "programfixture.h"
#include "framework/widgets/bitbtn.h"
#include "framework/widgets/listbox.h"
#include "got/mainform.h"
#include "support/fixtures.h"
#include "support/manualtickers.h"
#include "templatelist/templateform.h"
#include "templatelist/templatelistmodel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

namespace pellax {
namespace {

using test::gotBytes;

// Files named on the command line or dropped on a window, with the settings
// store of the test (no earlier run unless a test records one).
class OpenFiles : public test::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        program->Show();
    }

    // Lets the first-run timer fire; closes the About window it may show.
    void tickFirstRunTimer() {
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [this] {
            if (program->aboutform().isVisible()) {
                aboutShownBeforeFiles = program->mainform().Caption() == QStringLiteral("Pellax") &&
                                        dialogs->messages.empty() && !program->templateform().isVisible();
                program->aboutform().BitBtn1->click();
            }
        });
        closer.start(1);
        test::clock().advance(10);
        QApplication::processEvents();
    }

    QStringList listItems() const { return program->templateform().entries->entries().toStringList(); }

    // Drags `data` over `target` and drops it there, offering `actions` and proposing a move (Shift held);
    // true when the drop was taken. Its files open once the event loop runs.
    static bool take(QWidget* target, const QMimeData& data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
        // Taken as a copy where one is offered, else as a link: a move would have the file manager delete the file.
        const Qt::DropAction harmless = (actions & Qt::CopyAction) ? Qt::CopyAction : Qt::LinkAction;
        QDragEnterEvent enter(QPoint(2, 2), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        EXPECT_EQ(enter.dropAction(), harmless);
        QDropEvent dropped(QPointF(2, 2), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &dropped);
        EXPECT_TRUE(dropped.isAccepted());
        EXPECT_EQ(dropped.dropAction(), harmless);
        return dropped.isAccepted();
    }
    static bool drop(QWidget* target, const QMimeData& data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
        const bool taken = take(target, data, actions);
        QApplication::processEvents();
        return taken;
    }

    test::ScopedSettingsStore store;
    bool aboutShownBeforeFiles = false;
};

TEST_F(OpenFiles, CommandLineFilesOpenAfterTheFirstRunNoticeEachFailureInItsOwnBox) {
    const QString got = writeFile(QStringLiteral("rush.got"), gotBytes("Rush"));
    const QString list = writeFile(QStringLiteral("template.LST"), "\"a.got\"\r\n\"b.got\"\r\n");
    const QString other = writeFile(QStringLiteral("notes.txt"), "text");
    const QString second = writeFile(QStringLiteral("second.GOT"), gotBytes("Second"));
    program->setStartFiles({got, other, list, second});
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax"));  // nothing opens before the event loop runs

    tickFirstRunTimer();
    EXPECT_TRUE(aboutShownBeforeFiles);
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax - ") + got);
    EXPECT_EQ(program->mainform().gametypename->text(), QStringLiteral("Rush"));
    EXPECT_TRUE(program->templateform().isVisible());
    EXPECT_EQ(listItems(), (QStringList{QStringLiteral("\"a.got\""), QStringLiteral("\"b.got\"")}));
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Cannot open \"%1\": only game-type files (.got), template "
                                                        "lists (.lst), trigger files (.trg) and MPQ archives (.mpq) can "
                                                        "be opened.")
                                             .arg(other));
    EXPECT_EQ(dialogs->messages[1].text, QStringLiteral("Cannot open \"%1\": the editor holds one game-type file at a "
                                                        "time, and \"%2\" was given first.")
                                             .arg(second, got));
    for (const test::ShownMessage& m : dialogs->messages) {
        EXPECT_EQ(m.title, QStringLiteral("Pellax"));
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
    // The next open dialogs start from the files that came in.
    dialogs->answerFile(std::nullopt);
    program->menu().LoadGotfile1->trigger();
    dialogs->answerFile(std::nullopt);
    program->templateform().Opentemplatefile1->trigger();
    ASSERT_EQ(dialogs->fileRequests.size(), 2u);
    EXPECT_EQ(dialogs->fileRequests[0].fileName, got);
    EXPECT_EQ(dialogs->fileRequests[1].fileName, list);

    // Without files the start is what it always was: the timer's tick opens nothing.
    dialogs->messages.clear();
    program = std::make_unique<Program>();
    program->Show();
    tickFirstRunTimer();
    EXPECT_FALSE(program->aboutform().isVisible());
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax"));
    EXPECT_FALSE(program->templateform().isVisible());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(OpenFiles, AMissingFileGivesTheBoxOfTheMenuCommand) {
    ASSERT_TRUE(firstRunShowsAbout());  // records a run: no About window in this test
    const QString got = path(QStringLiteral("gone.got"));
    const QString list = path(QStringLiteral("gone.lst"));
    dialogs->answerFile(got);
    program->menu().LoadGotfile1->trigger();
    program->templateform().Show();
    dialogs->answerFile(list);
    program->templateform().Opentemplatefile1->trigger();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    const std::vector<test::ShownMessage> fromMenus = dialogs->messages;

    program = std::make_unique<Program>();
    program->Show();
    dialogs->messages.clear();
    program->setStartFiles({list, got});
    tickFirstRunTimer();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(dialogs->messages[i].text, QStringLiteral("File not found."));
        EXPECT_EQ(dialogs->messages[i].title, fromMenus[1 - i].title);
        EXPECT_EQ(dialogs->messages[i].text, fromMenus[1 - i].text);
        EXPECT_EQ(dialogs->messages[i].icon, fromMenus[1 - i].icon);
    }
    EXPECT_TRUE(program->templateform().isVisible());  // the failure is shown over the window it concerns
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax"));
}

TEST_F(OpenFiles, CommandLineWordsAreFilesByTheirBytes) {
    ASSERT_TRUE(firstRunShowsAbout());
    // A name that is not UTF-8, relative to the folder the program runs in.
    const QByteArray name("b\xff.got");
    const QByteArray full = QFile::encodeName(dir.path()) + '/' + name;
    const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const QByteArray bytes = gotBytes("Bytes");
    ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ::close(fd);

    char program_[] = "pellax";
    char style[] = "-style";
    char dashes[] = "--";
    char* argv[] = {program_, style, dashes, style, nullptr};
    EXPECT_EQ(wordsBeforeDashes(4, argv), 2);
    EXPECT_EQ(wordsBeforeDashes(2, argv), 2);

    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QByteArray word = "./sub/../" + name;
    char* words[] = {word.data(), style};
    const QStringList files = commandLineFiles(words);
    QDir::setCurrent(saved);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[1], dir.path() + QStringLiteral("/-style"));

    program->setStartFiles({files[0]});
    tickFirstRunTimer();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(program->mainform().gametypename->text(), QStringLiteral("Bytes"));
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax - ") + files[0]);

    // A file manager names it in a URL, byte by byte.
    program->mainform().NewGOTFile1Click();
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + full.toPercentEncoding("/"))});
    EXPECT_TRUE(drop(&program->mainform(), data));
    EXPECT_EQ(program->mainform().gametypename->text(), QStringLiteral("Bytes"));
}

TEST_F(OpenFiles, DropsRouteAsTheCommandLineWhicheverWindowTakesThem) {
    ASSERT_TRUE(firstRunShowsAbout());
    tickFirstRunTimer();
    const QString got = writeFile(QStringLiteral("drop.got"), gotBytes("Dropped"));
    const QString list = writeFile(QStringLiteral("dropped.lst"), "\"x.got\"\r\n");
    const QString other = writeFile(QStringLiteral("other.lst"), "\"y.got\"\r\n");
    Tmainform& editor = program->mainform();
    Ttemplateform& lists = program->templateform();

    // Two lists and links to other machines on the editor's name field, which would take
    // text: the first list opens in the list window, the second is refused, the links are left out.
    QMimeData onEditor;
    onEditor.setUrls({QUrl::fromLocalFile(list), QUrl(QStringLiteral("http://example.org/a.got")),
                      QUrl(QStringLiteral("file://elsewhere.example/b.got")), QUrl::fromLocalFile(other)});
    onEditor.setText(list);
    EXPECT_TRUE(drop(editor.gametypename, onEditor));
    EXPECT_TRUE(editor.gametypename->text().isEmpty());
    EXPECT_TRUE(lists.isVisible());
    EXPECT_EQ(listItems(), QStringList{QStringLiteral("\"x.got\"")});
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Cannot open \"%1\": the template list window holds one list "
                                                        "at a time, and \"%2\" was given first.")
                                             .arg(other, list));

    // A game-type file on the list window's entry field goes to the editor.
    QMimeData onList;
    onList.setUrls({QUrl::fromLocalFile(got)});
    EXPECT_TRUE(drop(lists.curgot, onList));
    EXPECT_EQ(editor.Caption(), QStringLiteral("Pellax - ") + got);
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Dropped"));
    EXPECT_EQ(lists.curgot->text(), QStringLiteral("\"\""));

    // Refused: links only, a drop that could only be a move, any drop while a modal window is open.
    QMimeData webOnly;
    webOnly.setUrls({QUrl(QStringLiteral("https://example.org/b.got"))});
    EXPECT_FALSE(drop(&editor, webOnly));
    EXPECT_FALSE(drop(&lists, onList, Qt::MoveAction));
    QDialog modal(&editor);
    modal.setModal(true);
    modal.show();
    EXPECT_FALSE(drop(&editor, onList));
    modal.hide();
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

// A drop taken while no modal window was up, with one opened before its files
// do: they open once it has closed, and after any modal window opened next.
TEST_F(OpenFiles, ADropWaitsForTheModalWindowsOpenedAfterIt) {
    ASSERT_TRUE(firstRunShowsAbout());
    tickFirstRunTimer();
    Tmainform& editor = program->mainform();
    const auto turns = [] {
        for (int turn = 0; turn < 5; ++turn)
            QApplication::processEvents();
    };
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(writeFile(QStringLiteral("waiting.got"), gotBytes("Waiting")))});
    ASSERT_TRUE(take(&editor, data, Qt::LinkAction));
    auto first = std::make_unique<QDialog>(&editor);
    first->setModal(true);
    first->show();
    turns();
    EXPECT_EQ(editor.gametypename->text(), QString());
    // One closes and the next opens before the event loop turns.
    first->hide();
    QDialog second(&editor);
    second.setModal(true);
    second.show();
    turns();
    EXPECT_EQ(editor.gametypename->text(), QString());
    second.hide();
    turns();
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Waiting"));

    // A modal window destroyed while it is open.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(writeFile(QStringLiteral("other.got"), gotBytes("Other")))});
    ASSERT_TRUE(take(&editor, other));
    first->show();
    turns();
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Waiting"));
    first.reset();
    turns();
    EXPECT_EQ(editor.gametypename->text(), QStringLiteral("Other"));
    EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace pellax
