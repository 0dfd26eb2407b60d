#pragma once

#include "got/gametyperecord.h"

#include <QString>
#include <QStringView>

#include <span>

namespace pellax {

// What the editor's controls hold: the texts of its edits, the selections of
// its combo boxes (-1 for none) and the states of its check boxes, named after
// the controls. A default object holds the window's design values.
struct GameTypeFields {
    QString gametypename;
    int colorbox = -1;
    QString descripname;
    QString varsetting;
    QString varnum;
    QString position;
    bool Canally = false;
    bool defaultmin = false;
    bool isenabled = true;
    int Gametype = -1;
    int playability = -1;
    QString numteams;
    QString minerals = QStringLiteral("0");
    QString Gametypesetting;

    friend bool operator==(const GameTypeFields&, const GameTypeFields&) = default;
};

// The record as the controls show it (displayinfo). A selection value beyond
// a combo box's items leaves it without a selection.
GameTypeFields fieldsFromRecord(const GameTypeRecord& record);

// The controls into the record (getsettingsfromGUI): malformed numbers give 0,
// bytes keep the low 8 bits, texts are cut to 31 characters. Given `shown`, the
// controls as the last display left them, only the fields whose control value
// differs from it are written (the name and its colour are one field), so
// that a field the user did not touch keeps its bytes; without it, every
// control is written. Bytes that no control covers are left as they are.
void fieldsToRecord(const GameTypeFields& fields, GameTypeRecord& record, const GameTypeFields* shown = nullptr);

// The key-release filter of the numeric edits: only the digits 0 to 9 stay.
QString keepDigits(QStringView text);

enum class FieldKind { Edit, ComboBox, CheckBox };

// One control of the editor and where its value lives in GameTypeFields:
// `text` for an edit, `selection` and `items` for a combo box, `checked` for a
// check box.
struct GameTypeField {
    const char* name;
    FieldKind kind;
    QString GameTypeFields::*text = nullptr;
    int GameTypeFields::*selection = nullptr;
    bool GameTypeFields::*checked = nullptr;
    std::span<const char* const> items{};
    bool digitFilter = false;  // cleaned by keepDigits on every key release
    const GameField* game = nullptr;  // the field of the game it shows, if any
};

// The editor's controls in tab order.
std::span<const GameTypeField> gameTypeFields();

// The control of that name, compared without regard to case; null when none.
const GameTypeField* findGameTypeField(QStringView name);

// What typing `typed` into edit `field` does by the window's rules: the digit
// filter cleans it, and a change of the minerals text unchecks "Use default
// minerals" (mineralsChange).
void typeIntoField(GameTypeFields& fields, const GameTypeField& field, const QString& typed);

}  // namespace pellax
