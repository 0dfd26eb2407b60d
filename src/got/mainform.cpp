#include "got/mainform.h"

#include "controls/titlebar.h"
#include "controls/titlebardescription.h"
#include "framework/files/filelocation.h"
#include "framework/widgets/updown.h"
#include "framework/windows/application.h"
#include "framework/windows/archivechoice.h"
#include "framework/windows/keyrelease.h"
#include "framework/windows/timer.h"
#include "got/allgamefieldsform.h"
#include "got/gotfile.h"
#include "got/mainformbinding.h"
#include "got/mainformlayout.h"
#include "got/numbertext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace pellax {

namespace {

const QString kGotFilter = QStringLiteral("Starcraft GOT files|*.got|MPQ archives|*.mpq");
const MemberKind kGameTypes{QStringLiteral("got"), QStringLiteral("Game types")};
const QString kGotExt = QStringLiteral("*.got");

// Setting an edit's text from the program does nothing when it is unchanged.
void setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// The text shows from its start, as a long item would otherwise show only its end.
void setSelection(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    if (QLineEdit* edit = combo->lineEdit())
        edit->setCursorPosition(0);
}

}  // namespace

Tmainform::Tmainform(QWidget* parent)
    : TForm(QStringLiteral("mainform"), parent),
      opengotdial(own(std::make_unique<TOpenDialog>(this, QStringLiteral("opengotdial")))),
      savegotdial(own(std::make_unique<TSaveDialog>(this, QStringLiteral("savegotdial")))),
      opentrigs(own(std::make_unique<TOpenDialog>(this, QStringLiteral("opentrigs")))),
      Timer1(make<TTimer>(QStringLiteral("Timer1"))) {
    BeginLoading();
    SetCaption(QStringLiteral("Pellax"));
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBlack);
    SetFont(TFont{QStringLiteral("MS Sans Serif"), -11, 0, clWhite});
    SetClientSize(581, 165);

    opengotdial.Filter = savegotdial.Filter = kGotFilter;
    opengotdial.DefaultExt = savegotdial.DefaultExt = kGotExt;
    opentrigs.Filter = QStringLiteral("Starcraft trigger files|*.trg|MPQ archives|*.mpq");
    opentrigs.DefaultExt = QStringLiteral("*.trg");
    Timer1.SetInterval(10);

    buildControls();
    buildTitleBar();
    connectHandlers();
    EndLoading();
}

Tmainform::~Tmainform() = default;

void Tmainform::buildTitleBar() {
    ROTitleBar1 = &make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    describeTitleBar(*ROTitleBar1, programTitleBar());
}

void Tmainform::buildControls() {
    const BuiltControls c = pellax::buildControls(*this, mainformControls(), mainformComboItems);
    GroupBox1 = c.get<QGroupBox>(QStringLiteral("GroupBox1"));
    GroupBox2 = c.get<QGroupBox>(QStringLiteral("GroupBox2"));
    GroupBox3 = c.get<QGroupBox>(QStringLiteral("GroupBox3"));
    Label1 = c.get<QLabel>(QStringLiteral("Label1"));
    Label2 = c.get<QLabel>(QStringLiteral("Label2"));
    Label3 = c.get<QLabel>(QStringLiteral("Label3"));
    Label4 = c.get<QLabel>(QStringLiteral("Label4"));
    Label5 = c.get<QLabel>(QStringLiteral("Label5"));
    Label6 = c.get<QLabel>(QStringLiteral("Label6"));
    Label7 = c.get<QLabel>(QStringLiteral("Label7"));
    Label8 = c.get<QLabel>(QStringLiteral("Label8"));
    Label9 = c.get<QLabel>(QStringLiteral("Label9"));
    gametypename = c.get<QLineEdit>(QStringLiteral("gametypename"));
    colorbox = c.get<QComboBox>(QStringLiteral("colorbox"));
    descripname = c.get<QLineEdit>(QStringLiteral("descripname"));
    varsetting = c.get<QLineEdit>(QStringLiteral("varsetting"));
    varnum = c.get<QLineEdit>(QStringLiteral("varnum"));
    position = c.get<QLineEdit>(QStringLiteral("position"));
    Canally = c.get<QCheckBox>(QStringLiteral("Canally"));
    defaultmin = c.get<QCheckBox>(QStringLiteral("defaultmin"));
    isenabled = c.get<QCheckBox>(QStringLiteral("isenabled"));
    Gametype = c.get<QComboBox>(QStringLiteral("Gametype"));
    playability = c.get<QComboBox>(QStringLiteral("playability"));
    numteams = c.get<QLineEdit>(QStringLiteral("numteams"));
    minerals = c.get<QLineEdit>(QStringLiteral("minerals"));
    UpDown1 = c.get<TUpDown>(QStringLiteral("UpDown1"));
    Gametypesetting = c.get<QLineEdit>(QStringLiteral("Gametypesetting"));
    for (const BoundControl& bound : boundControls())
        bound_[static_cast<std::size_t>(bound.control->tab)] = &c.require<QWidget>(QLatin1String(bound.name()));

    isenabled->setChecked(true);
    // The buttons step through every value the minerals field can store.
    UpDown1->SetAssociate(minerals);
    UpDown1->Min = 0;
    UpDown1->Max = 0xFFFFFFFFll;
    UpDown1->parseText = [](const QString& text) -> std::optional<std::int64_t> { return textToUInt32(text); };
    UpDown1->SetButtonNames(QStringLiteral("Increase minerals"), QStringLiteral("Decrease minerals"));
    nameFieldsAfterLabels();
}

// Screen readers would name a field after its group box, and an editable combo
// box after its text: each field takes its label's text as its name, and the
// label becomes its buddy (the "labelled by" relation). No caption gets a mnemonic.
void Tmainform::nameFieldsAfterLabels() {
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (const BoundControl& c : boundControls()) {
        if (!c.control->label)
            continue;
        QWidget* field = bound_[static_cast<std::size_t>(c.control->tab)];
        field->setAccessibleName(QLatin1String(c.control->label));
        for (QLabel* label : labels) {
            if (label->text() == QLatin1String(c.control->label))
                label->setBuddy(field);
        }
    }
}

void Tmainform::connectHandlers() {
    for (const BoundControl& c : boundControls()) {
        if (c.kind != BoundControl::Edit || !c.field->shownBy.digitsOnly)
            continue;
        auto* field = static_cast<QLineEdit*>(bound_[static_cast<std::size_t>(c.control->tab)]);
        onKeyRelease(field, [field] { setEditText(field, keepDigits(field->text())); });
    }
    onSignal(minerals, &QLineEdit::textChanged, this, [this] { mineralsChange(); });
    onSignal(defaultmin, &QCheckBox::toggled, this, [this] { defaultminClick(); });
}

void Tmainform::mineralsChange() {
    // The record's own flag is shown as stored, so the display does not count as an edit.
    if (!displaying_)
        defaultmin->setChecked(false);
}

void Tmainform::defaultminClick() {
    const bool manual = !defaultmin->isChecked();
    minerals->setEnabled(manual);
    UpDown1->setEnabled(manual);
}

void Tmainform::displayinfo() {
    const GameTypeFields f = fieldsFromRecord(record_);
    const QScopedValueRollback<bool> guard(displaying_, true);
    for (const BoundControl& c : boundControls()) {
        QWidget* widget = bound_[static_cast<std::size_t>(c.control->tab)];
        switch (c.kind) {
        case BoundControl::Edit: setEditText(static_cast<QLineEdit*>(widget), f[c].text); break;
        case BoundControl::ComboBox: setSelection(static_cast<QComboBox*>(widget), f[c].selection); break;
        case BoundControl::CheckBox: static_cast<QCheckBox*>(widget)->setChecked(f[c].checked); break;
        }
    }
    shown_ = controlValues();
}

void Tmainform::getsettingsfromGUI() {
    const GameTypeFields now = controlValues();
    fieldsToRecord(now, record_, shown_ ? &*shown_ : nullptr);
    // The record now holds what the controls show: a field set back to its
    // shown value later is a change again.
    if (shown_)
        shown_ = now;
}

GameTypeFields Tmainform::controlValues() const {
    GameTypeFields f;
    for (const BoundControl& c : boundControls()) {
        QWidget* widget = bound_[static_cast<std::size_t>(c.control->tab)];
        switch (c.kind) {
        case BoundControl::Edit: f[c].text = static_cast<QLineEdit*>(widget)->text(); break;
        case BoundControl::ComboBox: f[c].selection = static_cast<QComboBox*>(widget)->currentIndex(); break;
        case BoundControl::CheckBox: f[c].checked = static_cast<QCheckBox*>(widget)->isChecked(); break;
        }
    }
    return f;
}

void Tmainform::LoadGotfile(const QString& fileName) {
    record_ = readGotFile(fileName);
    location_ = fileName;
    SetCaption(QStringLiteral("Pellax - ") + locationDisplayName(fileName));
    displayinfo();
}

void Tmainform::SaveGotfile(const QString& fileName) {
    writeGotFile(fileName, record_);
    location_ = fileName;
    SetCaption(QStringLiteral("Pellax - ") + locationDisplayName(fileName));
    displayinfo();
}

void Tmainform::NewGOTFile1Click() {
    applyNewDefaults(record_);
    displayinfo();
}

void Tmainform::LoadChosenGotfile(const QString& fileName) {
    const std::optional<QString> location = openLocationFor(fileName, kGameTypes, this);
    if (!location)
        return;
    // The next open dialog starts from this file, whichever way it came.
    opengotdial.FileName = dialogPathOf(*location);
    LoadGotfile(*location);
}

void Tmainform::LoadGotfile1Click() {
    if (opengotdial.Execute(this))
        LoadChosenGotfile(opengotdial.FileName);
}

void Tmainform::AllGameFields1Click() {
    GameTypeRecord working = record_;
    fieldsToRecord(controlValues(), working, shown_ ? &*shown_ : nullptr);
    TAllGameFieldsForm fields(this);
    fields.TriggerFile->setSource(location_);
    fields.TriggerFile->setOpener(editTriggerFile);
    fields.setRecord(working);
    if (fields.ShowModal() != mrOk)
        return;
    record_ = fields.record();
    displayinfo();
}

void Tmainform::SaveGOTfile1Click() {
    getsettingsfromGUI();
    if (!savegotdial.Execute(this))
        return;
    const std::optional<QString> location = saveLocationFor(
        savegotdial.FileName, proposedMember(location_, QStringLiteral("templates\\"), kGameTypes.extension), this);
    if (location)
        SaveGotfile(*location);
}

}  // namespace pellax
