#include "controls/titlebar.h"
#include "framework/widgets/updown.h"
#include "got/mainformfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QTest>

#include <functional>
#include <random>

namespace pellax {
namespace {

using test::MainformTest;
using Editor = MainformTest;

TEST_F(Editor, StartsWithItsDesignValues) {
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax"));
    EXPECT_EQ(form->client()->size(), QSize(581, 165));
    EXPECT_EQ(form->gametypename->text(), QString());
    EXPECT_EQ(form->colorbox->currentText(), QStringLiteral("Default"));
    EXPECT_EQ(form->colorbox->currentIndex(), -1);
    EXPECT_EQ(form->colorbox->count(), 9);
    EXPECT_EQ(form->colorbox->itemText(8), QStringLiteral("SC 0x08 (?\?\?)"));
    EXPECT_EQ(form->Gametype->currentText(), QStringLiteral("Gametype"));
    EXPECT_EQ(form->Gametype->currentIndex(), -1);
    EXPECT_EQ(form->playability->currentText(), QString());
    EXPECT_EQ(form->playability->itemText(0), QStringLiteral("0 = Comp can't play, multi only "));
    EXPECT_EQ(form->minerals->text(), QStringLiteral("0"));
    EXPECT_TRUE(form->isenabled->isChecked());
    EXPECT_FALSE(form->defaultmin->isChecked());
    EXPECT_FALSE(form->Canally->isChecked());
    EXPECT_TRUE(form->minerals->isEnabled());
    EXPECT_EQ(form->GroupBox3->title(), QStringLiteral("Game specific info"));
    EXPECT_EQ(form->minerals->parentWidget(), form->GroupBox3);
    EXPECT_EQ(form->minerals->geometry(), QRect(64, 16, 129, 21));
    EXPECT_EQ(form->UpDown1->geometry(), QRect(193, 16, 15, 21));
    EXPECT_EQ(form->Gametypesetting->parentWidget(), form->client());
    EXPECT_EQ(form->minerals->font().pixelSize(), 11);
    EXPECT_EQ(form->minerals->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(form->minerals->palette().color(QPalette::Text), QColor(Qt::white));
}

TEST_F(Editor, PaintsItsCaptionWithItsTitleBar) {
    ASSERT_NE(form->ROTitleBar1, nullptr);
    TROTitleBar& bar = *form->ROTitleBar1;
    EXPECT_TRUE(bar.Attached());
    EXPECT_EQ(bar.Colors(), 128);
    EXPECT_EQ(bar.Font(), (TFont{QStringLiteral("MS Sans Serif"), -13, fsBold, clNavy}));
    EXPECT_EQ(bar.Font3D().LightDepth(), 2);
    EXPECT_EQ(bar.Font3D().ShadowDepth(), 2);
    EXPECT_EQ(bar.Font3D().LightColor(), clSilver);
    EXPECT_EQ(bar.Font3D().ShadowColor(), clNavy);
    EXPECT_EQ(bar.Font3D().Style(), TROThreeDStyle::tdNone);
    EXPECT_EQ(bar.ActiveStartColor(), clRed);
    EXPECT_EQ(bar.ActiveEndColor(), clBlue);
    EXPECT_EQ(bar.InActiveStartColor(), clGray);
    EXPECT_EQ(bar.InActiveEndColor(), clSilver);
    EXPECT_EQ(bar.Options(), 0x2D);
    EXPECT_EQ(bar.PaintMode(), TROPaintMode::pcControl);

    form->show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    const QRgb left = form->framePicture().pixel(3, 12);
    EXPECT_EQ(left, qRgb(0xFF, 0, 0));
    // The caption text is the window's and is kept by it.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Pellax"));
}

TEST_F(Editor, IsAFixedWindowWithoutMaximise) {
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    form->show();
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(Editor, TabsThroughTheFieldsGroupByGroup) {
    const std::vector<QWidget*> expected = {form->gametypename, form->colorbox,  form->descripname, form->varsetting,
                                            form->varnum,       form->position,  form->Canally,     form->defaultmin,
                                            form->isenabled,    form->Gametype,  form->playability, form->numteams,
                                            form->minerals,     form->Gametypesetting};
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        // Skip what Tab passes over: labels, group boxes, a combo box's own line edit.
        QWidget* next = expected[i]->nextInFocusChain();
        while (next && (!(next->focusPolicy() & Qt::TabFocus) || next->parentWidget() == expected[i]))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << i;
    }
}

TEST_F(Editor, NewRightAfterStartUpShowsTheDefaults) {
    form->NewGOTFile1Click();
    EXPECT_EQ(form->gametypename->text(), QString());
    EXPECT_EQ(form->colorbox->currentText(), QStringLiteral("Reg color"));
    EXPECT_EQ(form->descripname->text(), QString());
    EXPECT_EQ(form->playability->currentText(), QStringLiteral("0 = Comp can't play, multi only "));
    EXPECT_EQ(form->playability->lineEdit()->cursorPosition(), 0);  // shown from its start
    EXPECT_TRUE(form->Canally->isChecked());
    EXPECT_EQ(form->position->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Gametype->currentText(), QStringLiteral("Map default"));
    EXPECT_EQ(form->numteams->text(), QStringLiteral("0"));
    EXPECT_EQ(form->minerals->text(), QStringLiteral("50"));
    EXPECT_EQ(form->varsetting->text(), QStringLiteral("0"));
    EXPECT_TRUE(form->isenabled->isChecked());
    EXPECT_EQ(form->Gametypesetting->text(), QStringLiteral("0"));
    EXPECT_EQ(form->varnum->text(), QStringLiteral("1"));
    // The record's flag is shown as stored, though the minerals text changed.
    EXPECT_TRUE(form->defaultmin->isChecked());
    EXPECT_FALSE(form->minerals->isEnabled());
    EXPECT_FALSE(form->UpDown1->isEnabled());
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax"));
}

TEST_F(Editor, SavingAtStartUpStoresTheDesignValues) {
    save(path(QStringLiteral("start.got")));
    const QByteArray saved = readFile(path(QStringLiteral("start.got")));
    ASSERT_EQ(saved.size(), 97);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[0x4D]), 255);  // no starting units selected
    EXPECT_EQ(static_cast<std::uint8_t>(saved[0x4F]), 255);  // no playability selected
    EXPECT_EQ(saved.mid(0x01, 32), QByteArray(32, 0));       // "Default" is not a colour
    EXPECT_EQ(saved.mid(0x58, 4), QByteArray(4, 0));
    EXPECT_EQ(saved[0x43], 0);                               // empty variation number
    EXPECT_EQ(saved[96], 0);
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax - ") + path(QStringLiteral("start.got")));
}

TEST_F(Editor, DigitFiltersCleanTheFieldOnKeyRelease) {
    form->show();
    form->numteams->setFocus();
    QTest::keyClicks(form->numteams, QStringLiteral("1a2"));
    EXPECT_EQ(form->numteams->text(), QStringLiteral("12"));
    // Pasted text stays until the next key release in the field.
    form->position->setText(QStringLiteral("a1b2c3"));
    EXPECT_EQ(form->position->text(), QStringLiteral("a1b2c3"));
    QTest::keyClick(form->position, Qt::Key_Shift);
    EXPECT_EQ(form->position->text(), QStringLiteral("123"));
    for (QLineEdit* field : {form->varnum, form->varsetting, form->minerals}) {
        field->clear();
        QTest::keyClicks(field, QStringLiteral("-9x"));
        EXPECT_EQ(field->text(), QStringLiteral("9")) << field->objectName().toStdString();
    }
    // Fields without a filter keep what is typed.
    QTest::keyClicks(form->Gametypesetting, QStringLiteral("$1F"));
    QTest::keyClicks(form->gametypename, QStringLiteral("a1"));
    EXPECT_EQ(form->Gametypesetting->text(), QStringLiteral("$1F"));
    EXPECT_EQ(form->gametypename->text(), QStringLiteral("a1"));
    form->getsettingsfromGUI();
    EXPECT_EQ(form->record().at(0x49), 31);
}

TEST_F(Editor, DefaultMineralsSwitchesTheFieldAndEditsClearIt) {
    form->show();
    form->defaultmin->setChecked(true);
    EXPECT_FALSE(form->minerals->isEnabled());
    EXPECT_FALSE(form->UpDown1->isEnabled());
    // Typing elsewhere does not change that.
    QTest::keyClicks(form->numteams, QStringLiteral("12"));
    EXPECT_FALSE(form->minerals->isEnabled());
    // A change of the minerals text, other than showing the record, clears the box.
    form->minerals->setText(QStringLiteral("7"));
    EXPECT_FALSE(form->defaultmin->isChecked());
    EXPECT_TRUE(form->minerals->isEnabled());
    EXPECT_TRUE(form->UpDown1->isEnabled());

    form->minerals->setFocus();
    QTest::keyClick(form->minerals, Qt::Key_Up);
    EXPECT_EQ(form->minerals->text(), QStringLiteral("8"));
    QTest::keyClick(form->minerals, Qt::Key_Down);
    QTest::keyClick(form->minerals, Qt::Key_Down);
    EXPECT_EQ(form->minerals->text(), QStringLiteral("6"));
}

TEST_F(Editor, SecondNewLeavesTheBoxCheckedToo) {
    form->NewGOTFile1Click();
    form->NewGOTFile1Click();
    EXPECT_TRUE(form->defaultmin->isChecked());
    EXPECT_FALSE(form->minerals->isEnabled());
}

TEST_F(Editor, UpDownCoversTheWholeMineralsRange) {
    form->minerals->setText(QStringLiteral("4294967294"));
    form->UpDown1->Step(+1);
    EXPECT_EQ(form->minerals->text(), QStringLiteral("4294967295"));
    form->UpDown1->Step(+1);
    EXPECT_EQ(form->minerals->text(), QStringLiteral("4294967295"));
    form->minerals->setText(QStringLiteral("150"));
    form->UpDown1->Step(+1);
    EXPECT_EQ(form->minerals->text(), QStringLiteral("151"));
    form->minerals->setText(QStringLiteral("0"));
    form->UpDown1->Step(-1);
    EXPECT_EQ(form->minerals->text(), QStringLiteral("0"));
    form->getsettingsfromGUI();
    form->minerals->setText(QStringLiteral("4294967295"));
    form->getsettingsfromGUI();
    EXPECT_EQ(form->record().minerals(), 4294967295u);
}

TEST_F(Editor, DisabledVariationSavesZero) {
    form->NewGOTFile1Click();
    form->varnum->setText(QStringLiteral("5"));
    form->isenabled->setChecked(false);
    save(path(QStringLiteral("v.got")));
    EXPECT_EQ(readFile(path(QStringLiteral("v.got")))[0x43], 0);
    EXPECT_EQ(form->varnum->text(), QStringLiteral("0"));
    EXPECT_FALSE(form->isenabled->isChecked());
}

TEST_F(Editor, SaveStoresWhatTheFieldsCanHold) {
    form->NewGOTFile1Click();
    form->gametypename->setText(QString(40, QLatin1Char('g')));
    form->colorbox->setCurrentIndex(3);
    form->position->setText(QStringLiteral("256"));
    form->numteams->setText(QString());
    form->varsetting->setText(QStringLiteral("4294967296"));
    form->Gametypesetting->setText(QStringLiteral("300"));
    save(path(QStringLiteral("s.got")));
    const QByteArray saved = readFile(path(QStringLiteral("s.got")));
    EXPECT_EQ(saved.mid(0x01, 32), QByteArray(1, 3) + QByteArray(31, 'g'));
    EXPECT_EQ(saved[0x41], 0);
    EXPECT_EQ(saved[0x51], 0);
    EXPECT_EQ(saved.mid(0x45, 4), QByteArray(4, 0));  // beyond 32 bits: malformed, 0
    EXPECT_EQ(saved[0x49], 44);
    // Shown again as stored.
    EXPECT_EQ(form->gametypename->text(), QString(31, QLatin1Char('g')));
    EXPECT_EQ(form->colorbox->currentIndex(), 3);
    EXPECT_EQ(form->position->text(), QStringLiteral("0"));
    EXPECT_EQ(form->varsetting->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Gametypesetting->text(), QStringLiteral("44"));
}

TEST_F(Editor, VarSettingIsTheGamesWideVariationValue) {
    load(writeFile(QStringLiteral("greed.got"), sampleRecord()));
    EXPECT_EQ(form->varsetting->text(), QStringLiteral("10000"));
    form->varsetting->setText(QStringLiteral("5000"));
    save(path(QStringLiteral("greed5000.got")));
    EXPECT_EQ(readFile(path(QStringLiteral("greed5000.got"))).mid(0x45, 4), QByteArray("\x88\x13\x00\x00", 4));
}

TEST_F(Editor, LoadShowsEveryField) {
    load(writeFile(QStringLiteral("sample.got"), sampleRecord()));
    EXPECT_EQ(form->colorbox->currentIndex(), 2);
    EXPECT_EQ(form->gametypename->text(), QStringLiteral("Zerg rush"));
    EXPECT_EQ(form->descripname->text(), QStringLiteral("Variant"));
    EXPECT_EQ(form->position->text(), QStringLiteral("7"));
    EXPECT_EQ(form->varnum->text(), QStringLiteral("2"));
    EXPECT_EQ(form->varsetting->text(), QStringLiteral("10000"));
    EXPECT_EQ(form->Gametypesetting->text(), QStringLiteral("200"));
    EXPECT_TRUE(form->defaultmin->isChecked());
    EXPECT_EQ(form->Gametype->currentIndex(), 1);
    EXPECT_EQ(form->playability->currentIndex(), 3);
    EXPECT_FALSE(form->Canally->isChecked());
    EXPECT_EQ(form->numteams->text(), QStringLiteral("4"));
    EXPECT_EQ(form->minerals->text(), QStringLiteral("10000"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Editor, OutOfListValuesAndOddFlagsAreKeptUntilTheirControlChanges) {
    QByteArray odd = sampleRecord();
    odd[0x4D] = 5;  // no such starting units
    odd[0x50] = 2;  // any non-zero flag is set
    load(writeFile(QStringLiteral("odd.got"), odd));
    EXPECT_EQ(form->Gametype->currentIndex(), -1);
    EXPECT_TRUE(form->Canally->isChecked());
    save(path(QStringLiteral("odd-saved.got")));
    EXPECT_EQ(readFile(path(QStringLiteral("odd-saved.got"))).left(96), odd);
    form->Canally->setChecked(false);
    form->Canally->setChecked(true);  // back as it was shown: no change, the byte stays
    form->Gametype->setCurrentIndex(2);
    save(path(QStringLiteral("odd-edited.got")));
    const QByteArray edited = readFile(path(QStringLiteral("odd-edited.got")));
    EXPECT_EQ(edited[0x50], 2);
    EXPECT_EQ(edited[0x4D], 2);
}

TEST_F(Editor, NewAfterLoadKeepsGapsAndCaption) {
    const QString file = writeFile(QStringLiteral("gaps.got"), sampleRecord());
    load(file);
    form->NewGOTFile1Click();
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax - ") + file);
    const auto& r = form->record();
    for (const std::size_t gap : {0x52, 0x53, 0x5D, 0x5E, 0x5F})
        EXPECT_EQ(r.at(gap), static_cast<std::uint8_t>(0xA0 + gap % 16)) << gap;
    EXPECT_EQ(r.at(0x5C), 0);
}

TEST_F(Editor, CancelledDialogsChangeNothing) {
    form->NewGOTFile1Click();
    form->gametypename->setText(QStringLiteral("kept"));
    dialogs->answerFile(std::nullopt);
    command([&] { form->LoadGotfile1Click(); });
    dialogs->answerFile(std::nullopt);
    command([&] { form->SaveGOTfile1Click(); });
    EXPECT_EQ(form->gametypename->text(), QStringLiteral("kept"));
    EXPECT_EQ(form->Caption(), QStringLiteral("Pellax"));
    EXPECT_TRUE(files().isEmpty());
    ASSERT_EQ(dialogs->fileRequests.size(), 2u);
    EXPECT_EQ(dialogs->fileRequests[0].kind, DialogKind::Open);
    EXPECT_EQ(dialogs->fileRequests[1].kind, DialogKind::Save);
    for (const auto& request : dialogs->fileRequests) {
        EXPECT_EQ(request.filter, QStringLiteral("Starcraft GOT files|*.got|MPQ archives|*.mpq"));
        EXPECT_EQ(request.defaultExt, QStringLiteral("*.got"));
        EXPECT_EQ(request.title, QString());
    }
    // The cancelled save still took the fields into the record.
    EXPECT_EQ(decodeName(form->record()), QStringLiteral("kept"));
}

// Load and Save with no edit give the record back, whatever its bytes; a
// change of one control writes its field's bytes, as the control holds it,
// and no other.
TEST_F(Editor, OnlyTheFieldsTheUserChangedAreSaved) {
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

    // Each edit, the bytes it may write, and what they must say after it.
    using F = Tmainform;
    using R = GameTypeRecord;
    struct Edit {
        const char* what;
        std::function<void(F&)> change;
        std::size_t from, to;
        std::function<bool(const R&, const F&)> written;
    };
    const auto checked = [](const QCheckBox* box) { return box->isChecked() ? 1 : 0; };
    const Edit edits[] = {
        {"name", [](F& f) { f.gametypename->setText(QStringLiteral("Renamed")); }, 0x01, 0x20,
         [](const R& r, const F&) { return decodeName(r) == QStringLiteral("Renamed"); }},
        {"colour", [](F& f) { f.colorbox->setCurrentIndex((f.colorbox->currentIndex() + 2) % 9); }, 0x01, 0x20,
         [](const R& r, const F& f) { return decodeColorSelection(r) == f.colorbox->currentIndex(); }},
        {"variation name", [](F& f) { f.descripname->setText(QStringLiteral("v2")); }, 0x21, 0x40,
         [](const R& r, const F&) { return decodeVariationName(r) == QStringLiteral("v2"); }},
        {"position", [](F& f) { f.position->setText(QStringLiteral("300")); }, 0x41, 0x41,
         [](const R& r, const F&) { return r.at(0x41) == 300 % 256; }},
        {"var number", [](F& f) { f.varnum->setText(QStringLiteral("1234")); }, 0x43, 0x43,
         [&](const R& r, const F& f) { return r.at(0x43) == checked(f.isenabled) * (1234 % 256); }},
        {"enabled", [](F& f) { f.isenabled->toggle(); }, 0x43, 0x43,
         [&](const R& r, const F& f) { return r.at(0x43) == checked(f.isenabled) * f.varnum->text().toInt(); }},
        {"var setting", [](F& f) { f.varsetting->setText(QStringLiteral("7500")); }, 0x45, 0x48,
         [](const R& r, const F&) { return r.number(0x45, 4) == 7500; }},
        {"internal setting", [](F& f) { f.Gametypesetting->setText(QStringLiteral("$1F0")); }, 0x49, 0x49,
         [](const R& r, const F&) { return r.at(0x49) == 0xF0; }},
        {"default minerals", [](F& f) { f.defaultmin->toggle(); }, 0x4A, 0x4A,
         [&](const R& r, const F& f) { return r.at(0x4A) == checked(f.defaultmin); }},
        {"game type", [](F& f) { f.Gametype->setCurrentIndex((f.Gametype->currentIndex() + 2) % 3); }, 0x4D, 0x4D,
         [](const R& r, const F& f) { return r.at(0x4D) == f.Gametype->currentIndex(); }},
        {"playability", [](F& f) { f.playability->setCurrentIndex((f.playability->currentIndex() + 2) % 4); }, 0x4F,
         0x4F, [](const R& r, const F& f) { return r.at(0x4F) == f.playability->currentIndex(); }},
        {"alliances", [](F& f) { f.Canally->toggle(); }, 0x50, 0x50,
         [&](const R& r, const F& f) { return r.at(0x50) == checked(f.Canally); }},
        {"teams", [](F& f) { f.numteams->setText(QStringLiteral("3")); }, 0x51, 0x51,
         [](const R& r, const F&) { return r.at(0x51) == 3; }},
    };
    for (int n = 0; n < 40; ++n) {
        const GameTypeRecord record = randomRecord();
        for (const Edit& edit : edits) {
            form->record() = record;
            form->displayinfo();
            edit.change(*form);
            form->getsettingsfromGUI();
            ASSERT_TRUE(edit.written(form->record(), *form)) << edit.what << ", record " << n;
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
