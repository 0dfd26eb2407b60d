#include "app/aboutform.h"
#include "app/firstrun.h"
#include "app/program.h"
#include "programfixture.h"
#include "framework/files/exception.h"
#include "framework/windows/application.h"
#include "got/mainform.h"
#include "support/fixtures.h"
#include "templatelist/templateform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <memory>

namespace pellax {
namespace {

class ProgramTest : public test::ProgramFixture {
protected:

    // Runs the event loop until the program ends it; false if it did not within 5 s.
    static bool eventLoopEnds() {
        bool timedOut = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        watchdog.start(5000);
        const int code = QApplication::exec();
        return !timedOut && code == 0;
    }
};

QStringList describe(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        out << a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(ProgramTest, MainMenuHasEveryItemInOrder) {
    QMenuBar* bar = program->mainform().menuBar();
    EXPECT_EQ(describe(bar->actions()), (QStringList{QStringLiteral("File1=File"), QStringLiteral("Triggerfiles1=Trigger files"),
                                                    QStringLiteral("TemplateList1=Template List"),
                                                    QStringLiteral("About1=About")}));
    const MainMenu& m = program->menu();
    EXPECT_EQ(describe(m.File1->actions()),
              (QStringList{QStringLiteral("NewGOTFile1=New GOT File"), QStringLiteral("N1=-"),
                           QStringLiteral("LoadGotfile1=Load Got file"), QStringLiteral("SaveGOTfile1=Save GOT file"),
                           QStringLiteral("AllGameFields1=All game fields..."), QStringLiteral("N2=-"), QStringLiteral("Quit1=Quit")}));
    EXPECT_EQ(describe(m.Triggerfiles1->actions()),
              (QStringList{QStringLiteral("Stripheader1=Strip header"), QStringLiteral("Addheader1=Add header"),
                           QStringLiteral("Edittriggers1=Edit triggers..."),
                           QStringLiteral("Newtriggerfile1=New trigger file"),
                           QStringLiteral("Importtriggers1=Import triggers from map...")}));
    EXPECT_EQ(describe(m.TemplateList1->actions()), QStringList{QStringLiteral("Edittemplatelist1=Edit template list")});
    EXPECT_EQ(describe(m.About1->actions()),
              (QStringList{QStringLiteral("Credits1=About Pellax"), QStringLiteral("Quorvane1=Quorvane"),
                           QStringLiteral("Harrowmere1=Harrowmere")}));
    for (QMenu* menu : {m.File1, m.Triggerfiles1, m.TemplateList1, m.About1}) {
        for (const QAction* a : menu->actions()) {
            EXPECT_TRUE(a->shortcut().isEmpty());
            EXPECT_TRUE(a->isEnabled());
            EXPECT_FALSE(a->isCheckable());
        }
    }
}

// Counts the paints a widget gets.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(ProgramTest, TheHiddenWindowsAreMadeAfterTheMainWindowsFirstFrame) {
    PaintCounter* counter = nullptr;
    int paintsWhenMade = -1;
    HiddenWindowMakers makers = HiddenWindowMakers::standard();
    makers.templateform = [&, make = makers.templateform](QWidget* parent) {
        paintsWhenMade = counter->paints;
        return make(parent);
    };
    program.reset();
    program = std::make_unique<Program>(std::move(makers));
    QWidget& main = program->mainform();
    counter = new PaintCounter(main);
    // However long the event loop runs, nothing is made while the main window has not painted.
    for (int turn = 0; turn < 5; ++turn)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(paintsWhenMade, -1);
    EXPECT_EQ(main.findChild<Ttemplateform*>(), nullptr);
    program->Show();
    for (int turn = 0; turn < 100 && paintsWhenMade < 0; ++turn)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_GE(paintsWhenMade, 1);
    EXPECT_NE(main.findChild<Ttemplateform*>(), nullptr);
    EXPECT_NE(main.findChild<Taboutform*>(), nullptr);
    EXPECT_FALSE(program->templateform().isVisible());
}

// The About window fails to be made after the template list window was: neither
// is kept, the failure is reported once, and nothing that needs them breaks.
TEST_F(ProgramTest, TheHiddenWindowsAreMadeBothOrNeither) {
    test::ScopedSettingsStore store;
    int templateformsMade = 0;
    HiddenWindowMakers makers = HiddenWindowMakers::standard();
    makers.templateform = [&, make = makers.templateform](QWidget* parent) {
        ++templateformsMade;
        return make(parent);
    };
    makers.aboutform = [](QWidget*) -> std::unique_ptr<Taboutform> {
        throw EOutOfResources(QStringLiteral("No window handles left"));
    };
    program.reset();
    program = std::make_unique<Program>(std::move(makers));
    QWidget& main = program->mainform();
    program->Show();
    for (int turn = 0; turn < 100 && templateformsMade == 0; ++turn)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    ASSERT_EQ(templateformsMade, 1);
    EXPECT_EQ(main.findChild<Ttemplateform*>(), nullptr);
    EXPECT_EQ(main.findChild<Taboutform*>(), nullptr);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text,
              QStringLiteral("The template list and About windows could not be made: No window handles left."));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(program->menu().Edittemplatelist1->isEnabled());
    EXPECT_FALSE(program->menu().Credits1->isEnabled());

    // The first-run tick, the commands and a list to open neither fail again nor try again.
    program->Timer1Timer();
    program->Credits1Click();
    program->Edittemplatelist1Click();
    program->openFiles({writeFile(QStringLiteral("a.lst"), "\"a.got\"\r\n")});
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(templateformsMade, 1);
    EXPECT_THROW(program->aboutform(), EInvalidOperation);
    EXPECT_THROW(program->templateform(), EInvalidOperation);
    // The About window was never shown: the next start still shows it.
    EXPECT_TRUE(firstRunShowsAbout());
}

TEST_F(ProgramTest, WebLinksOpenTheHomePages) {
    program->menu().Quorvane1->trigger();
    program->menu().Harrowmere1->trigger();
    ASSERT_EQ(shell->opened.size(), 2u);
    EXPECT_EQ(shell->opened[0], kMakerHomePage);
    EXPECT_EQ(shell->opened[1], kCommunityHomePage);
    EXPECT_TRUE(kMakerHomePage.contains(QStringLiteral(".example/")));
    // The shell's failure (the recording shell always fails) shows nothing.
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ProgramTest, MenuCommandsReachTheEditor) {
    program->menu().NewGOTFile1->trigger();
    EXPECT_EQ(program->mainform().minerals->text(), QStringLiteral("50"));
    dialogs->answerFile(path(QStringLiteral("missing.got")));
    program->menu().LoadGotfile1->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("File not found."));
    EXPECT_EQ(dialogs->messages[0].title, QStringLiteral("Pellax"));
    dialogs->answerFile(path(QStringLiteral("new.got")));
    program->menu().SaveGOTfile1->trigger();
    EXPECT_EQ(readFile(path(QStringLiteral("new.got"))).size(), 97);
}

TEST_F(ProgramTest, TemplateListWindowIsShownWithoutBeingModal) {
    program->Show();
    Ttemplateform& list = program->templateform();
    EXPECT_FALSE(list.isVisible());
    program->menu().Edittemplatelist1->trigger();
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(list.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    list.close();
    EXPECT_FALSE(list.isVisible());
    program->menu().Edittemplatelist1->trigger();
    EXPECT_TRUE(list.isVisible());
}

TEST_F(ProgramTest, TriggerCommandsConvertBesideTheSource) {
    const QByteArray header("\x71\x77\x98\x36\x18\x00\x00\x00", 8);
    const QString source = writeFile(QStringLiteral("map.trg"), header + QByteArray("body"));
    dialogs->answerFile(source);
    program->menu().Stripheader1->trigger();
    EXPECT_EQ(readFile(source + QStringLiteral("ed")), QByteArray("body"));
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].title, QStringLiteral("Select trigger file to strip header from"));
    EXPECT_EQ(dialogs->fileRequests[0].filter, QStringLiteral("Starcraft trigger files|*.trg|MPQ archives|*.mpq"));

    const QString plain = writeFile(QStringLiteral("plain.trg"), QByteArray("body"));
    dialogs->answerFile(plain);
    program->menu().Addheader1->trigger();
    EXPECT_EQ(readFile(plain + QStringLiteral("ed")), header + QByteArray("body"));
    EXPECT_EQ(dialogs->fileRequests[1].title, QStringLiteral("Select trigger file to add header to"));

    dialogs->answerFile(path(QStringLiteral("gone.trg")));
    program->menu().Stripheader1->trigger();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("File not found."));
    EXPECT_EQ(program->mainform().Caption(), QStringLiteral("Pellax"));
}

TEST_F(ProgramTest, QuitEndsTheEventLoop) {
    program->Show();
    QTimer::singleShot(0, program->menu().Quit1, &QAction::trigger);
    EXPECT_TRUE(eventLoopEnds());
}

TEST_F(ProgramTest, ClosingTheMainWindowEndsTheEventLoop) {
    program->Show();
    program->menu().Edittemplatelist1->trigger();  // even with the list window open
    QTimer::singleShot(0, &program->mainform(), &QWidget::close);
    EXPECT_TRUE(eventLoopEnds());
}

}  // namespace
}  // namespace pellax
