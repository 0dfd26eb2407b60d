#include "framework/files/filelocation.h"
#include "framework/widgets/bitbtn.h"
#include "got/allgamefieldsform.h"
#include "got/mainformfixture.h"
#include "got/triggerfilerow.h"
#include "support/mpqbuilder.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace pellax {
namespace {

using test::MainformTest;

class AllGameFields : public MainformTest {
protected:
    // Runs the command; `script` runs on the window once it is up. A
    // watchdog ends a show that the script does not end.
    void open(std::function<void(TAllGameFieldsForm&)> script) {
        bool ran = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto* window = qobject_cast<TAllGameFieldsForm*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            ran = true;
            script(*window);
        });
        QTimer::singleShot(10000, form.get(), [] {
            if (auto* window = qobject_cast<TAllGameFieldsForm*>(QApplication::activeModalWidget()))
                window->SetModalResult(mrAbort);
        });
        command([&] { form->AllGameFields1Click(); });
        EXPECT_TRUE(ran);
    }

    static QComboBox* choice(TAllGameFieldsForm& w, GameFieldId id) { return qobject_cast<QComboBox*>(w.control(id)); }
    // What a screen reader reads as the value of the field it reads as `name`.
    static QString spoken(TAllGameFieldsForm& w, const char* name) {
        for (QWidget* control : w.findChildren<QWidget*>()) {
            QAccessibleInterface* field = QAccessible::queryAccessibleInterface(control);
            if (!qobject_cast<QLabel*>(control) && field && field->text(QAccessible::Name) == QLatin1String(name))
                return field->text(QAccessible::Value);
        }
        ADD_FAILURE() << "nothing is named " << name;
        return {};
    }
    static QLineEdit* number(TAllGameFieldsForm& w, GameFieldId id) { return qobject_cast<QLineEdit*>(w.control(id)); }
};

TEST_F(AllGameFields, OpensOnTheControlsAndEnterPutsItsValuesIntoTheRecord) {
    form->NewGOTFile1Click();
    form->Gametype->setCurrentIndex(2);  // not yet taken into the record
    open([](TAllGameFieldsForm& w) {
        EXPECT_EQ(w.Caption(), QStringLiteral("All game fields"));
        // Found as a screen reader user finds them: by the game's names.
        EXPECT_EQ(spoken(w, "Starting units"), QStringLiteral("Workers and town hall"));
        EXPECT_EQ(spoken(w, "Fog of war"), QStringLiteral("On"));
        EXPECT_EQ(spoken(w, "Resource value"), QStringLiteral("50"));
        choice(w, GameFieldId::FogOfWar)->setCurrentIndex(0);
        number(w, GameFieldId::VictoryValue)->setText(QStringLiteral("4000000000"));
        QTest::keyClick(w.control(GameFieldId::FogOfWar), Qt::Key_Return);
    });
    const GameTypeRecord& r = form->record();
    EXPECT_EQ(r.at(0x4C), 0);
    EXPECT_EQ(r.at(0x4D), 2);
    EXPECT_EQ(r.value(gameField(GameFieldId::VictoryValue)), 4000000000u);
    EXPECT_EQ(form->Gametype->currentIndex(), 2);
    save(path(QStringLiteral("fields.got")));
    const QByteArray saved = readFile(path(QStringLiteral("fields.got")));
    EXPECT_EQ(saved[0x4C], 0);
    EXPECT_EQ(saved.mid(0x54, 4), QByteArray("\x00\x28\x6B\xEE", 4));
}

TEST_F(AllGameFields, CancelAndEscChangeNothing) {
    load(writeFile(QStringLiteral("sample.got"), sampleRecord()));
    const GameTypeRecord before = form->record();
    open([](TAllGameFieldsForm& w) {
        choice(w, GameFieldId::Cheats)->setCurrentIndex(1);
        w.Cancel->click();
    });
    open([](TAllGameFieldsForm& w) {
        number(w, GameFieldId::VariationValue)->setText(QStringLiteral("1"));
        QTest::keyClick(w.control(GameFieldId::VariationValue), Qt::Key_Escape);
    });
    EXPECT_EQ(form->record(), before);
    EXPECT_EQ(form->varsetting->text(), QStringLiteral("10000"));
}

TEST_F(AllGameFields, KeepsUnnamedValuesAndTellsWhatTheGameMakesOfThem) {
    QByteArray odd = sampleRecord();
    odd[0x4C] = 9;
    load(writeFile(QStringLiteral("odd.got"), odd));
    open([](TAllGameFieldsForm& w) {
        QComboBox* fog = choice(w, GameFieldId::FogOfWar);
        EXPECT_EQ(fog->currentText(), QStringLiteral("9"));
        EXPECT_EQ(fog->count(), 4);
        QStringList findings;
        for (int i = 0; i < w.Findings->count(); ++i)
            findings.append(w.Findings->item(i)->text());
        EXPECT_TRUE(findings.contains(
            QStringLiteral("Fog of war is 9, which the game does not know: it takes 0 Off, 1 Warcraft 1 style or 2 On.")))
            << findings.join(u'\n').toStdString();
        // A number wider than its field holds OK back and says why.
        QLineEdit* players = number(w, GameFieldId::PlayerTypes);
        QTest::keyClicks(players, QStringLiteral("999"));
        EXPECT_FALSE(w.OK->isEnabled());
        EXPECT_EQ(w.Findings->item(0)->text(), QStringLiteral("Player types takes a number from 0 to 255."));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(players, Qt::Key_Backspace);
        EXPECT_TRUE(w.OK->isEnabled());
        w.OK->click();
    });
    EXPECT_EQ(form->record().at(0x4C), 9);
}

TEST_F(AllGameFields, TellsWhichTriggerFileTheGamePlaysAsTheValuesChange) {
    form->NewGOTFile1Click();
    open([](TAllGameFieldsForm& w) {
        const QLineEdit* file = w.TriggerFile->TriggerFile;
        EXPECT_EQ(file->text(), QStringLiteral("none: the game plays it without a trigger file"));
        QComboBox* victory = choice(w, GameFieldId::VictoryConditions);
        victory->setCurrentIndex(victory->findData(QVariant::fromValue(std::uint32_t{3})));
        QLineEdit* variation = number(w, GameFieldId::VariationValue);
        variation->setText(QStringLiteral("5000"));
        EXPECT_EQ(file->text(), QStringLiteral("triggers\\Greed5000.trg"));
        variation->setText(QStringLiteral("500"));
        EXPECT_EQ(file->text(), QStringLiteral("none: the game will not start a game of it"));
        // A loose game type: no archive to open the file from.
        EXPECT_FALSE(w.TriggerFile->EditTriggers->isEnabled());
        EXPECT_EQ(file->accessibleName(), QStringLiteral("Trigger file"));
        EXPECT_EQ(w.TriggerFile->EditTriggers->accessibleName(), QStringLiteral("Edit triggers"));
        w.Cancel->click();
    });
}

TEST_F(AllGameFields, FromAnArchiveItTellsWhetherTheFileIsThereAndOpensIt) {
    QByteArray melee = sampleRecord() + QByteArray(1, 0);
    melee[0x49] = 1;
    const QString archive = path(QStringLiteral("mod.mpq"));
    test::buildArchive(archive, {{"templates\\Melee.got", melee}, {"Triggers\\MELEE.trg", "bytes"}});
    dialogs->answerFile(archive);
    dialogs->answerMember(QStringLiteral("templates\\Melee.got"));
    command([&] { form->LoadGotfile1Click(); });
    std::vector<std::pair<QString, QWidget*>> opened;
    form->editTriggerFile = [&](const QString& location, QWidget* over) { opened.emplace_back(location, over); };
    open([&](TAllGameFieldsForm& w) {
        EXPECT_EQ(w.TriggerFile->TriggerFile->text(), QStringLiteral("triggers\\Melee.trg, in this archive"));
        ASSERT_TRUE(w.TriggerFile->EditTriggers->isEnabled());
        w.TriggerFile->EditTriggers->click();
        // The archive's own name for it, over this window.
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].first, memberLocation(archive, "Triggers\\MELEE.trg"));
        EXPECT_EQ(opened[0].second, &w);
        QComboBox* victory = choice(w, GameFieldId::VictoryConditions);
        victory->setCurrentIndex(victory->findData(QVariant::fromValue(std::uint32_t{5})));
        EXPECT_EQ(w.TriggerFile->TriggerFile->text(), QStringLiteral("triggers\\SuddenDeath.trg, not in this archive"));
        EXPECT_FALSE(w.TriggerFile->EditTriggers->isEnabled());
        w.Cancel->click();
    });
}

}  // namespace
}  // namespace pellax
