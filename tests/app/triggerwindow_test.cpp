#include "app/program.h"
#include "framework/files/filelocation.h"
#include "framework/windows/application.h"
#include "got/allgamefieldsform.h"
#include "got/mainform.h"
#include "got/triggerfilerow.h"
#include "programfixture.h"
#include "support/mpqbuilder.h"
#include "trigger/triggerform.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace pellax {
namespace {

using test::gotBytes;

const QString kOneTrigger = QStringLiteral("Trigger(\"All Players\"){\nConditions:\n\tAlways();\n\nActions:\n\tVictory();\n}\n");

QByteArray triggerFile(const QString& text) { return triggerFileBytes(compileTriggerText(text).triggers); }

// The Trigger files commands that show the trigger window, through the menu.
class TriggerCommands : public test::ProgramFixture {
protected:
    QString lastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }
    // Whether the program has made its trigger window, without making it.
    bool windowMade() const { return !program->mainform().findChildren<Ttriggerform*>().isEmpty(); }
};

TEST_F(TriggerCommands, EditTriggersShowsTheChosenFileAndACancelOrAFailureShowsNothing) {
    dialogs->answerFile(std::nullopt);
    program->menu().Edittriggers1->trigger();
    EXPECT_FALSE(windowMade() && program->triggerform().isVisible());
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].title, QStringLiteral("Select trigger file to edit"));

    dialogs->answerFile(writeFile(QStringLiteral("bad.trg"), "not a trigger file"));
    program->menu().Edittriggers1->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("The file does not begin with the trigger header."));
    EXPECT_FALSE(program->triggerform().isVisible());

    const QString melee = writeFile(QStringLiteral("Melee.trg"), triggerFile(kOneTrigger));
    dialogs->answerFile(melee);
    program->menu().Edittriggers1->trigger();
    Ttriggerform& window = program->triggerform();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.location(), melee);
    EXPECT_EQ(window.Text->toPlainText(), triggersToText(compileTriggerText(kOneTrigger).triggers));

    program->menu().Newtriggerfile1->trigger();
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - New file"));
    EXPECT_TRUE(window.Text->toPlainText().isEmpty());
}

TEST_F(TriggerCommands, ImportShowsAMapsTriggersUnsavedAndAMalformedMapGetsTheErrorBox) {
    QByteArray scenario("TRIG");
    const QByteArray records = triggerFile(kOneTrigger).mid(8);
    scenario += QByteArray("\x60\x09\x00\x00", 4) + records;  // 2400 bytes
    const QString map = writeFile(QStringLiteral("rush.chk"), scenario);
    dialogs->answerFile(map);
    program->menu().Importtriggers1->trigger();
    Ttriggerform& window = program->triggerform();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - from %1 (not saved)").arg(map));
    EXPECT_EQ(window.Count->text(), QStringLiteral("1 trigger"));
    EXPECT_TRUE(files().contains(QStringLiteral("rush.chk")));
    EXPECT_EQ(files().size(), 1);  // nothing written until Save as

    window.hide();
    const QString cut = writeFile(QStringLiteral("cut.chk"), scenario.left(1000));
    dialogs->answerFile(cut);
    program->menu().Importtriggers1->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("The triggers of %1 cannot be read: The section \"TRIG\" at byte 0 claims "
                                            "2400 bytes, but only 992 follow it: it runs past the end.")
                                 .arg(cut));
    EXPECT_EQ(dialogs->messages.back().icon, MessageIcon::Error);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TriggerCommands, AllGameFieldsOpensTheArchivesTriggerFileInAWindowOverItself) {
    QByteArray melee = gotBytes("Melee");
    melee[0] = 3;
    melee[0x49] = 1;
    const QString archive = path(QStringLiteral("mod.mpq"));
    test::buildArchive(archive, {{"templates\\Melee.got", melee}, {"triggers\\Melee.trg", triggerFile(kOneTrigger)}});
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("templates\\Melee.got"));
    program->menu().LoadGotfile1->trigger();
    ASSERT_EQ(program->mainform().gametypename->text(), QStringLiteral("Melee"));

    // The fields window, then the trigger window modal over it; each closed in turn.
    QString shownText;
    QString shownCaption;
    bool overFields = false;
    bool fieldsShown = false;
    QTimer::singleShot(0, &program->mainform(), [&] {
        auto* fields = qobject_cast<TAllGameFieldsForm*>(QApplication::activeModalWidget());
        if (!fields)
            return;
        fieldsShown = true;
        QTimer::singleShot(0, fields, [&, fields] {
            if (auto* triggers = qobject_cast<Ttriggerform*>(QApplication::activeModalWidget())) {
                shownText = triggers->Text->toPlainText();
                shownCaption = triggers->Caption();
                overFields = triggers->parentWidget() == fields;
                triggers->close();
            }
            fields->Cancel->click();
        });
        fields->TriggerFile->EditTriggers->click();
    });
    QTimer::singleShot(10000, &program->mainform(), [] {
        if (auto* modal = qobject_cast<TForm*>(QApplication::activeModalWidget()))
            modal->SetModalResult(mrAbort);
    });
    program->menu().AllGameFields1->trigger();
    EXPECT_TRUE(fieldsShown);
    EXPECT_EQ(shownText, triggersToText(compileTriggerText(kOneTrigger).triggers));
    EXPECT_EQ(shownCaption, QStringLiteral("Triggers - ") + locationDisplayName(memberLocation(archive, "triggers\\Melee.trg")));
    EXPECT_TRUE(overFields);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TriggerCommands, ATriggerFileNamedAtStartOpensInTheTriggerWindow) {
    const QString melee = writeFile(QStringLiteral("Melee.TRG"), triggerFile(kOneTrigger));
    program->openFiles({melee});
    EXPECT_TRUE(program->triggerform().isVisible());
    EXPECT_EQ(program->triggerform().location(), melee);
}

}  // namespace
}  // namespace pellax
