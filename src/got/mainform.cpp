#include "got/mainform.h"

#include "framework/application.h"
#include "framework/keyrelease.h"
#include "framework/timer.h"
#include "framework/updown.h"
#include "got/gotfile.h"
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

const QString kGotFilter = QStringLiteral("Starcraft GOT files|*.got");
const QString kGotExt = QStringLiteral("*.got");

// Keeps only the decimal digits of `text`.
QString digitsOnly(const QString& text) {
    QString digits;
    digits.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

// Setting an edit's text from the program does nothing when it is unchanged.
void setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// A value beyond the last item leaves the combo box without a selection. The
// text shows from its start, as a long item would otherwise show only its end.
void setSelection(QComboBox* combo, int index) {
    combo->setCurrentIndex(index < combo->count() ? index : -1);
    if (QLineEdit* edit = combo->lineEdit())
        edit->setCursorPosition(0);
}

std::uint8_t low8(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

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
    opentrigs.Filter = QStringLiteral("Starcraft trigger files|*.trg");
    opentrigs.DefaultExt = QStringLiteral("*.trg");
    Timer1.SetInterval(10);

    buildControls();
    connectHandlers();
    EndLoading();
}

Tmainform::~Tmainform() = default;

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

    isenabled->setChecked(true);
    // The buttons step through every value the minerals field can store.
    UpDown1->SetAssociate(minerals);
    UpDown1->Min = 0;
    UpDown1->Max = 0xFFFFFFFFll;
    UpDown1->parseText = [](const QString& text) -> std::optional<std::int64_t> { return textToUInt32(text); };
}

void Tmainform::connectHandlers() {
    for (QLineEdit* field : {numteams, minerals, varnum, varsetting, position}) {
        onKeyRelease(field, [field] { setEditText(field, digitsOnly(field->text())); });
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
    const GameTypeRecord& r = record_;
    const QScopedValueRollback<bool> guard(displaying_, true);
    setSelection(colorbox, 0);
    setEditText(gametypename, QString());
    setSelection(colorbox, decodeColorSelection(r));
    setEditText(gametypename, decodeName(r));
    setEditText(descripname, decodeVariationName(r));
    defaultmin->setChecked(r.at(gto::DefaultMinerals) != 0);
    setSelection(playability, r.at(gto::Playability));
    Canally->setChecked(r.at(gto::Alliances) != 0);
    setEditText(position, QString::number(r.at(gto::Position)));
    setSelection(Gametype, r.at(gto::GameType));
    setEditText(numteams, QString::number(r.at(gto::MaxTeams)));
    setEditText(minerals, QString::number(r.minerals()));
    setEditText(varsetting, QString::number(r.at(gto::VariationSetting)));
    isenabled->setChecked(r.at(gto::VariationNumber) != 0);
    setEditText(Gametypesetting, QString::number(r.at(gto::InternalSetting)));
    setEditText(varnum, QString::number(r.at(gto::VariationNumber)));
}

void Tmainform::getsettingsfromGUI() {
    GameTypeRecord& r = record_;
    encodeName(r, gametypename->text(), colorbox->currentIndex());
    encodeVariationName(r, descripname->text());
    r.set(gto::DefaultMinerals, defaultmin->isChecked() ? 1 : 0);
    r.set(gto::Playability, low8(playability->currentIndex()));
    r.set(gto::Alliances, Canally->isChecked() ? 1 : 0);
    r.set(gto::Position, low8(textToInt(position->text())));
    r.set(gto::GameType, low8(Gametype->currentIndex()));
    r.set(gto::MaxTeams, low8(textToInt(numteams->text())));
    r.setMinerals(textToUInt32(minerals->text()));
    r.set(gto::VariationSetting, low8(textToInt(varsetting->text())));
    r.set(gto::VariationNumber, isenabled->isChecked() ? low8(textToInt(varnum->text())) : 0);
    r.set(gto::InternalSetting, low8(textToInt(Gametypesetting->text())));
}

void Tmainform::LoadGotfile(const QString& fileName) {
    record_ = readGotFile(fileName);
    SetCaption(QStringLiteral("Pellax - ") + fileName);
    displayinfo();
}

void Tmainform::SaveGotfile(const QString& fileName) {
    writeGotFile(fileName, record_);
    SetCaption(QStringLiteral("Pellax - ") + fileName);
    displayinfo();
}

void Tmainform::NewGOTFile1Click() {
    applyNewDefaults(record_);
    displayinfo();
}

void Tmainform::LoadGotfile1Click() {
    if (opengotdial.Execute(this))
        LoadGotfile(opengotdial.FileName);
}

void Tmainform::SaveGOTfile1Click() {
    getsettingsfromGUI();
    if (savegotdial.Execute(this))
        SaveGotfile(savegotdial.FileName);
}

}  // namespace pellax
