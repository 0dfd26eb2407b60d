#include "framework/files/archivemembers.h"
#include "framework/files/filelocation.h"
#include "framework/windows/application.h"
#include "randomtriggers.h"
#include "support/fixtures.h"
#include "support/mpqbuilder.h"
#include "trigger/scenariosections.h"
#include "trigger/triggerform.h"
#include "triggertestsupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

namespace pellax {
namespace {

using test::triggerHeader;

// The standard melee triggers, as a modder writes them.
const QString kMelee = QStringLiteral(
    "Trigger(\"All Players\"){\n"
    "Conditions:\n"
    "\tOpponents(\"Current Player\", At most, 0);\n"
    "\n"
    "Actions:\n"
    "\tVictory();\n"
    "}\n"
    "\n"
    "Trigger(\"All Players\"){\n"
    "Conditions:\n"
    "\tCommand(\"Current Player\", \"Buildings\", At most, 0);\n"
    "\n"
    "Actions:\n"
    "\tDefeat();\n"
    "}\n");

QByteArray fileOf(const QString& text) {
    const CompiledTriggers compiled = compileTriggerText(text);
    EXPECT_TRUE(compiled.ok());
    return triggerFileBytes(compiled.triggers);
}

// The bytes of a scenario section: its name, its size as given, its data.
QByteArray section(const QByteArray& name, const QByteArray& data, qint32 size) {
    QByteArray s = name;
    for (int i = 0; i < 4; ++i)
        s.append(static_cast<char>((static_cast<quint32>(size) >> (8 * i)) & 0xFF));
    return s + data;
}
QByteArray section(const QByteArray& name, const QByteArray& data) {
    return section(name, data, static_cast<qint32>(data.size()));
}

// Types `text` as a user would, a line end being Return.
void type(QWidget* widget, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClicks(widget, lines[i]);
    }
}

class TriggerWindow : public test::AppTest {
protected:
    template <class F>
    void command(F&& f) {
        Application::instance().guard(std::forward<F>(f));
    }
    QString lastMessage() const { return dialogs->messages.empty() ? QString() : dialogs->messages.back().text; }
    void open(const QString& file) {
        dialogs->answerFile(file);
        command([&] { window.Openfile1Click(nullptr); });
    }
    // The window on screen and active, so that its keys and focus work as for a user.
    void showActive() {
        window.Show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QStringList errorRows() const {
        QStringList rows;
        for (int i = 0; i < window.Errors->count(); ++i)
            rows.append(window.Errors->item(i)->text());
        return rows;
    }

    Ttriggerform window;
};

TEST_F(TriggerWindow, OpensAFileAsTextAndSaveWritesExactlyTheCompiledBytes) {
    const QString file = writeFile(QStringLiteral("Melee.trg"), fileOf(kMelee));
    open(file);
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].filter, QStringLiteral("Starcraft trigger files|*.trg|MPQ archives|*.mpq"));
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - ") + file);
    EXPECT_EQ(window.Text->toPlainText(), triggersToText(triggersFromFile(readFile(file))));
    EXPECT_EQ(window.Count->text(), QStringLiteral("2 triggers"));

    // Another trigger, typed at the end: Save writes the text's triggers, header first, and nothing else.
    QTextCursor end = window.Text->textCursor();
    end.movePosition(QTextCursor::End);
    window.Text->setTextCursor(end);
    type(window.Text, QStringLiteral("\nTrigger(\"Player 1\"){\nConditions:\nAlways();\nActions:\nDraw();\n}\n"));
    command([&] { EXPECT_TRUE(window.Savefile1Click()); });
    const CompiledTriggers typed = compileTriggerText(window.Text->toPlainText());
    ASSERT_TRUE(typed.ok());
    ASSERT_EQ(typed.triggers.size(), 3u);
    EXPECT_EQ(readFile(file), triggerFileBytes(typed.triggers));
    EXPECT_EQ(window.Count->text(), QStringLiteral("3 triggers"));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(dialogs->fileRequests.size(), 1u);  // Save asks nothing for a file it came from
}

TEST_F(TriggerWindow, AnyTriggerFileComesBackByteForByte) {
    test::RandomTriggers random(27);
    for (int round = 0; round < 6; ++round) {
        const QByteArray bytes = triggerFileBytes(random.file(12));
        const QString file = writeFile(QStringLiteral("random%1.trg").arg(round), bytes);
        command([&] { window.openTriggerFile(file); });
        command([&] { EXPECT_TRUE(window.Savefile1Click()); });
        EXPECT_EQ(readFile(file), bytes) << "round " << round;
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TriggerWindow, TextThatDoesNotCompileIsNotWrittenAndAClickOnAnErrorMovesTheCursorThere) {
    const QString file = writeFile(QStringLiteral("Melee.trg"), fileOf(kMelee));
    open(file);
    showActive();
    QString broken = kMelee;
    broken.replace(QStringLiteral("At most, 0);\n\nActions:\n\tVictory"), QStringLiteral("At mist, 0);\n\nActions:\n\tVictory"));
    broken.replace(QStringLiteral("\tDefeat();"), QStringLiteral("\tDefeat()"));
    window.Text->setPlainText(broken);
    const std::vector<TriggerTextError> expected = compileTriggerText(broken).errors;
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(expected[0].line, 3);

    command([&] { EXPECT_FALSE(window.Savefile1Click()); });
    EXPECT_EQ(readFile(file), fileOf(kMelee));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Melee.trg")});  // no temporary file left either
    ASSERT_TRUE(window.Errors->isVisible());
    QStringList wanted;
    for (const TriggerTextError& e : expected)
        wanted.append(QStringLiteral("Line %1, column %2: %3").arg(e.line).arg(e.column).arg(e.message));
    EXPECT_EQ(errorRows(), wanted);
    EXPECT_EQ(window.Count->text(), QStringLiteral("Not counted: 2 errors in the text"));
    // The list has the focus, on the first error: Enter goes there.
    EXPECT_EQ(QApplication::focusWidget(), window.Errors);
    EXPECT_EQ(window.Errors->currentRow(), 0);

    // Save as asks nowhere for a text that cannot be written.
    const std::size_t asked = dialogs->fileRequests.size();
    command([&] { EXPECT_FALSE(window.Saveasfile1Click()); });
    EXPECT_EQ(dialogs->fileRequests.size(), asked);

    // The count that follows the edit finds the same errors: the list keeps the user's row.
    window.Errors->setCurrentRow(1);
    QTest::qWait(800);
    EXPECT_EQ(window.Errors->currentRow(), 1);

    for (int row : {1, 0}) {
        const QRect item = window.Errors->visualItemRect(window.Errors->item(row));
        QTest::mouseClick(window.Errors->viewport(), Qt::LeftButton, {}, item.center());
        const QTextCursor cursor = window.Text->textCursor();
        EXPECT_EQ(cursor.blockNumber() + 1, expected[static_cast<std::size_t>(row)].line);
        EXPECT_EQ(cursor.positionInBlock() + 1, expected[static_cast<std::size_t>(row)].column);
        EXPECT_EQ(QApplication::focusWidget(), window.Text);
    }
    EXPECT_EQ(window.Position->text(), QStringLiteral("Line %1, column %2").arg(expected[0].line).arg(expected[0].column));
    // Enter on an error goes there as well.
    window.Errors->setFocus();
    window.Errors->setCurrentRow(1);
    QTest::keyClick(window.Errors, Qt::Key_Return);
    EXPECT_EQ(window.Text->textCursor().blockNumber() + 1, expected[1].line);
    EXPECT_EQ(QApplication::focusWidget(), window.Text);

    // Mended, the list follows the text away and Save writes.
    window.Text->setPlainText(kMelee);
    QTRY_VERIFY(!window.Errors->isVisible());
    EXPECT_EQ(window.Count->text(), QStringLiteral("2 triggers"));
}

TEST_F(TriggerWindow, AFileThatIsNotATriggerFileIsRefusedWithItsReasonAndTheWindowKeepsItsFile) {
    const QString good = writeFile(QStringLiteral("good.trg"), fileOf(kMelee));
    open(good);
    const QString text = window.Text->toPlainText();

    open(writeFile(QStringLiteral("short.trg"), triggerHeader() + QByteArray(100, 'x')));
    EXPECT_EQ(lastMessage(), QStringLiteral("100 bytes after the header are not a whole number of triggers (2400 bytes each)."));
    // Stripped of its header, a file of whole triggers: how to make it one.
    open(writeFile(QStringLiteral("stripped.trg"), fileOf(kMelee).mid(8)));
    EXPECT_EQ(lastMessage(), QStringLiteral("The file does not begin with the trigger header. Its 4800 bytes are whole triggers "
                                            "without the header: \"Add header\" in the Trigger files menu writes them "
                                            "with it to a new file, which the game and this window read."));
    open(path(QStringLiteral("missing.trg")));
    EXPECT_EQ(lastMessage(), QStringLiteral("File not found."));
    EXPECT_EQ(dialogs->messages.size(), 3u);

    EXPECT_EQ(window.location(), good);
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - ") + good);
    EXPECT_EQ(window.Text->toPlainText(), text);
}

TEST_F(TriggerWindow, ANewFileIsWrittenWhereSaveAsSays) {
    open(writeFile(QStringLiteral("Melee.trg"), fileOf(kMelee)));
    window.Newfile1->trigger();
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - New file"));
    EXPECT_TRUE(window.Text->toPlainText().isEmpty());
    EXPECT_EQ(window.Count->text(), QStringLiteral("0 triggers"));

    // Without triggers it is the header alone, as a file of no triggers is.
    const QString empty = path(QStringLiteral("empty.trg"));
    dialogs->answerFile(empty);
    window.Savefile1->trigger();
    ASSERT_EQ(dialogs->fileRequests.back().kind, DialogKind::Save);
    EXPECT_EQ(readFile(empty), triggerHeader());

    window.Newfile1->trigger();
    window.Text->setPlainText(kMelee);
    dialogs->answerFile(std::nullopt);
    window.Savefile1->trigger();  // cancelled: nothing written, still new
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - New file"));
    const QString named = path(QStringLiteral("Greed2500.trg"));
    dialogs->answerFile(named);
    window.SaveAs->click();
    EXPECT_EQ(readFile(named), fileOf(kMelee));
    EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - ") + named);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TriggerWindow, AMemberOfAnArchiveIsPickedFromItsListAndSavedBackIntoIt) {
    const QString archive = path(QStringLiteral("mod.mpq"));
    test::buildArchive(archive, {{"triggers\\Melee.trg", fileOf(kMelee)}, {"templates\\Melee.got", QByteArray(97, 3)}});
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("triggers\\Melee.trg"));
    command([&] { EXPECT_TRUE(window.Openfile1Click(nullptr)); });
    ASSERT_EQ(dialogs->memberRequests.size(), 1u);
    EXPECT_EQ(dialogs->memberRequests[0].members, QStringList{QStringLiteral("triggers\\Melee.trg")});
    EXPECT_EQ(window.Count->text(), QStringLiteral("2 triggers"));

    QString one = kMelee;
    one.truncate(one.indexOf(QStringLiteral("\nTrigger(")));
    window.Text->setPlainText(one);
    command([&] { EXPECT_TRUE(window.Savefile1Click()); });
    EXPECT_EQ(readArchiveMember(archive, "triggers\\Melee.trg"), fileOf(one));
    EXPECT_EQ(readArchiveMember(archive, "templates\\Melee.got"), QByteArray(97, 3));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(TriggerWindow, TheCountFollowsTheTextAsItIsTyped) {
    showActive();
    window.Text->setFocus();
    type(window.Text, QStringLiteral("Trigger(\"Player 1\"){\nConditions:\nAlways();\nActions:\nDraw();\n}\n"));
    QTRY_COMPARE(window.Count->text(), QStringLiteral("1 trigger"));
    QTest::keyClicks(window.Text, QStringLiteral("Trigger("));
    QTRY_COMPARE(window.Count->text(), QStringLiteral("Not counted: 1 error in the text"));
    // Typing before a count ends still ends with the count of the last text.
    type(window.Text, QStringLiteral("\"Player 2\"){\nConditions:\nNever();\nActions:\n"));
    type(window.Text, QStringLiteral("Draw();\n}\n"));
    QTRY_COMPARE(window.Count->text(), QStringLiteral("2 triggers"));
    EXPECT_FALSE(window.Errors->isVisible());  // typing alone lists nothing: Save does
}

TEST_F(TriggerWindow, UndoRedoAndFindAsInAnyTextEditor) {
    showActive();
    window.Text->setFocus();
    EXPECT_FALSE(window.Undo1->isEnabled());
    QTest::keyClicks(window.Text, QStringLiteral("Victory(); Draw(); victory();"));
    EXPECT_TRUE(window.Undo1->isEnabled());
    window.Undo1->trigger();
    EXPECT_TRUE(window.Text->toPlainText().isEmpty());
    EXPECT_TRUE(window.Redo1->isEnabled());
    window.Redo1->trigger();
    EXPECT_EQ(window.Text->toPlainText(), QStringLiteral("Victory(); Draw(); victory();"));

    // Ctrl+F opens the find bar on the field; Enter finds on, round the end.
    window.Text->moveCursor(QTextCursor::Start);
    QTest::keyClick(window.Text, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window.FindBar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window.FindText);
    QTest::keyClicks(window.FindText, QStringLiteral("victory"));
    const auto foundAt = [&] { return window.Text->textCursor().selectionStart(); };
    QTest::keyClick(window.FindText, Qt::Key_Return);
    EXPECT_EQ(foundAt(), 0);
    QTest::keyClick(window.FindText, Qt::Key_Return);
    EXPECT_EQ(foundAt(), 19);
    QTest::keyClick(window.FindText, Qt::Key_Return);
    EXPECT_EQ(foundAt(), 0);
    QTest::keyClick(window.FindText, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(foundAt(), 19);
    window.MatchCase->setChecked(true);
    QTest::keyClick(window.FindText, Qt::Key_F3);
    EXPECT_EQ(foundAt(), 19);  // the only "victory" in that case
    window.FindText->setText(QStringLiteral("Defeat"));
    EXPECT_FALSE(window.findNext());
    EXPECT_EQ(window.FindStatus->text(), QStringLiteral("Not found"));
    QTest::keyClick(window.FindText, Qt::Key_Escape);
    EXPECT_FALSE(window.FindBar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window.Text);
}

TEST_F(TriggerWindow, EveryControlHasTheNameAScreenReaderReads) {
    window.Show();
    window.Find1->trigger();
    const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    EXPECT_EQ(name(&window), QStringLiteral("Triggers"));
    EXPECT_EQ(name(window.Text), QStringLiteral("Trigger text"));
    EXPECT_EQ(name(window.Errors), QStringLiteral("Errors"));
    EXPECT_EQ(name(window.Count), QStringLiteral("0 triggers"));  // a label reads as what it says
    EXPECT_EQ(name(window.Position), QStringLiteral("Line 1, column 1"));
    EXPECT_EQ(name(window.Save), QStringLiteral("Save"));
    EXPECT_EQ(name(window.SaveAs), QStringLiteral("Save as"));
    EXPECT_EQ(name(window.FindText), QStringLiteral("Find text"));
    EXPECT_EQ(name(window.FindNextButton), QStringLiteral("Find next"));
    EXPECT_EQ(name(window.FindPrevious), QStringLiteral("Find previous"));
    EXPECT_EQ(name(window.MatchCase), QStringLiteral("Match case"));
    EXPECT_EQ(name(window.CloseFind), QStringLiteral("Close find bar"));
    // Every control of the window has one.
    for (QWidget* w : window.client()->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (a && w->isVisible() && w->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->metaObject()->className() << " "
                                                               << w->objectName().toStdString();
        }
    }
}

TEST_F(TriggerWindow, AMapsTriggersOpenAsANewFileAndMalformedMapsSayWhatIsWrong) {
    test::RandomTriggers random(6);
    TriggerList triggers;
    for (int i = 0; i < 3; ++i)
        triggers.push_back(random.trigger());
    const QByteArray records = triggerRecords(triggers);
    const QByteArray scenario = section("VER ", QByteArray("\xCD\x00", 2)) + section("TRIG", records) + section("STR ", "strings");
    const QString chk = writeFile(QStringLiteral("map.chk"), scenario);
    const QString scx = path(QStringLiteral("map.scx"));
    test::buildArchive(scx, {{kScenarioMember, scenario}});

    for (const QString& map : {chk, scx}) {
        dialogs->answerFile(map);
        command([&] { EXPECT_TRUE(window.Importfrommap1Click(nullptr)); });
        EXPECT_EQ(dialogs->fileRequests.back().filter, QStringLiteral("Starcraft maps|*.scm;*.scx;*.chk"));
        EXPECT_EQ(window.Text->toPlainText(), triggersToText(triggers));
        EXPECT_EQ(window.Caption(), QStringLiteral("Triggers - from %1 (not saved)").arg(map));
        EXPECT_TRUE(window.location().isEmpty());
    }
    // Save asks where, and writes the header and the map's trigger records.
    const QString out = path(QStringLiteral("imported.trg"));
    dialogs->answerFile(out);
    command([&] { EXPECT_TRUE(window.Savefile1Click()); });
    EXPECT_EQ(readFile(out), triggerHeader() + records);
    EXPECT_TRUE(dialogs->messages.empty());

    const QString lying = writeFile(QStringLiteral("lying.chk"), section("VER ", QByteArray("\xCD\x00", 2)) + section("TRIG", records, 0x7FFFFFF0));
    dialogs->answerFile(lying);
    command([&] { window.Importfrommap1Click(nullptr); });
    EXPECT_EQ(lastMessage(), QStringLiteral("The triggers of %1 cannot be read: The section \"TRIG\" at byte 10 claims "
                                            "2147483632 bytes, but only 7200 follow it: it runs past the end.")
                                 .arg(lying));
    const QString none = writeFile(QStringLiteral("none.chk"), section("VER ", QByteArray("\xCD\x00", 2)));
    dialogs->answerFile(none);
    command([&] { window.Importfrommap1Click(nullptr); });
    EXPECT_EQ(lastMessage(),
              QStringLiteral("The triggers of %1 cannot be read: The map has no TRIG section: it holds no triggers.").arg(none));
    EXPECT_EQ(window.location(), out);  // the window keeps what it had
    EXPECT_EQ(readFile(out), triggerHeader() + records);
}

}  // namespace
}  // namespace pellax
