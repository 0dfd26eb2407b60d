#include "framework/files/filelocation.h"
#include "framework/widgets/bitbtn.h"
#include "got/gamefieldsform.h"
#include "got/mainformfixture.h"
#include "got/triggerfilerow.h"
#include "support/mpqbuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <random>

namespace pellax {
namespace {

using test::MainformTest;

class AllGameFields : public MainformTest {
protected:
    // Runs the command; `script` runs on the window once it is up. A
    // watchdog ends a show that the script does not end.
    void open(std::function<void(TGameFieldsForm&)> script) {
        bool ran = false;
        QTimer::singleShot(0, form.get(), [&] {
            auto* window = qobject_cast<TGameFieldsForm*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            ran = true;
            script(*window);
        });
        QTimer::singleShot(10000, form.get(), [] {
            if (auto* window = qobject_cast<TGameFieldsForm*>(QApplication::activeModalWidget()))
                window->SetModalResult(mrAbort);
        });
        command([&] { form->AllGameFields1Click(); });
        EXPECT_TRUE(ran);
    }

    static QComboBox* choice(TGameFieldsForm& w, GameFieldId id) { return qobject_cast<QComboBox*>(w.control(id)); }
    static QLineEdit* number(TGameFieldsForm& w, GameFieldId id) { return qobject_cast<QLineEdit*>(w.control(id)); }
};

TEST_F(AllGameFields, OpensOnTheControlsAndEnterPutsItsValuesIntoTheRecord) {
    form->NewGOTFile1Click();
    form->Gametype->setCurrentIndex(2);  // not yet taken into the record
    open([](TGameFieldsForm& w) {
        EXPECT_EQ(w.Caption(), QStringLiteral("All game fields"));
        EXPECT_EQ(choice(w, GameFieldId::StartingUnits)->currentText(), QStringLiteral("Workers and town hall"));
        EXPECT_EQ(choice(w, GameFieldId::FogOfWar)->currentText(), QStringLiteral("On"));
        EXPECT_EQ(number(w, GameFieldId::ResourceValue)->text(), QStringLiteral("50"));
        for (const GameField& field : kGameFields)
            EXPECT_EQ(w.control(field.id)->accessibleName(), QLatin1String(field.name));
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
    open([](TGameFieldsForm& w) {
        choice(w, GameFieldId::Cheats)->setCurrentIndex(1);
        w.Cancel->click();
    });
    open([](TGameFieldsForm& w) {
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
    open([](TGameFieldsForm& w) {
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
    open([](TGameFieldsForm& w) {
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
    open([&](TGameFieldsForm& w) {
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

// Load and Save with no edit give the record back, whatever its bytes; a
// change of one control writes its field's bytes and no other.
TEST_F(MainformTest, OnlyTheFieldsTheUserChangedAreSaved) {
    std::mt19937 random(97);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto randomRecord = [&] {
        GameTypeRecord r;
        for (auto& b : r.bytes)
            b = static_cast<std::uint8_t>(byte(random));
        return r;
    };
    for (int n = 0; n < 2000; ++n) {
        const GameTypeRecord record = randomRecord();
        form->record() = record;
        form->displayinfo();
        form->getsettingsfromGUI();
        ASSERT_EQ(form->record(), record) << "record " << n;
    }

    struct Edit {
        const char* what;
        std::function<void(Tmainform&)> change;
        std::size_t from, to;  // the bytes it may write
    };
    const Edit edits[] = {
        {"name", [](Tmainform& f) { f.gametypename->setText(QStringLiteral("Renamed")); }, 0x01, 0x20},
        {"colour", [](Tmainform& f) { f.colorbox->setCurrentIndex((f.colorbox->currentIndex() + 2) % 9); }, 0x01, 0x20},
        {"variation name", [](Tmainform& f) { f.descripname->setText(QStringLiteral("v2")); }, 0x21, 0x40},
        {"position", [](Tmainform& f) { f.position->setText(QStringLiteral("300")); }, 0x41, 0x41},
        {"var number", [](Tmainform& f) { f.varnum->setText(QStringLiteral("1234")); }, 0x43, 0x43},
        {"enabled", [](Tmainform& f) { f.isenabled->toggle(); }, 0x43, 0x43},
        {"var setting", [](Tmainform& f) { f.varsetting->setText(QStringLiteral("7500")); }, 0x45, 0x48},
        {"internal setting", [](Tmainform& f) { f.Gametypesetting->setText(QStringLiteral("$1F0")); }, 0x49, 0x49},
        {"default minerals", [](Tmainform& f) { f.defaultmin->toggle(); }, 0x4A, 0x4A},
        {"game type", [](Tmainform& f) { f.Gametype->setCurrentIndex((f.Gametype->currentIndex() + 2) % 3); }, 0x4D, 0x4D},
        {"playability", [](Tmainform& f) { f.playability->setCurrentIndex((f.playability->currentIndex() + 2) % 4); }, 0x4F, 0x4F},
        {"alliances", [](Tmainform& f) { f.Canally->toggle(); }, 0x50, 0x50},
        {"teams", [](Tmainform& f) { f.numteams->setText(QStringLiteral("3")); }, 0x51, 0x51},
    };
    for (int n = 0; n < 40; ++n) {
        const GameTypeRecord record = randomRecord();
        for (const Edit& edit : edits) {
            form->record() = record;
            form->displayinfo();
            edit.change(*form);
            form->getsettingsfromGUI();
            for (std::size_t i = 0; i < GameTypeRecord::Size; ++i) {
                if (i < edit.from || i > edit.to) {
                    ASSERT_EQ(form->record().at(i), record.at(i)) << edit.what << ", offset " << i;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pellax
