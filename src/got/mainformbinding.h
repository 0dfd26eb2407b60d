#pragma once

// The binding of the record to the main window's controls, by the schema's
// rows: what displayinfo shows in each control and what getsettingsfromGUI
// writes back, without widgets, so that pellax-tool shares it.

#include "got/gametyperecord.h"

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace pellax {

// A control of the main window, with the field it shows.
struct BoundControl {
    enum Kind : std::uint8_t { Edit, ComboBox, CheckBox };
    const GameField* field;
    const Control* control;
    Kind kind;

    const char* name() const noexcept { return control->name; }
    // An edit that shows a number, not one of the names.
    bool showsNumber() const noexcept { return kind == BoundControl::Edit && field->isValue(); }
};

// The controls in tab order.
std::span<const BoundControl> boundControls();
// The control of that name, compared without regard to case; null when none.
const BoundControl* findBoundControl(QStringView name);

// What one control holds: an edit's text, a combo box's selection (-1 for
// none), a check box's state.
struct ControlValue {
    QString text;
    int selection = -1;
    bool checked = false;
    friend bool operator==(const ControlValue&, const ControlValue&) = default;
};

// What the main window's controls hold, one value a control.
struct GameTypeFields {
    std::array<ControlValue, kControlCount> values{};

    ControlValue& operator[](const Control& c) { return values.at(static_cast<std::size_t>(c.tab)); }
    const ControlValue& operator[](const Control& c) const { return values.at(static_cast<std::size_t>(c.tab)); }
    ControlValue& operator[](const BoundControl& c) { return (*this)[*c.control]; }
    const ControlValue& operator[](const BoundControl& c) const { return (*this)[*c.control]; }
    friend bool operator==(const GameTypeFields&, const GameTypeFields&) = default;
};

// The record as the controls show it (displayinfo). A selection value beyond
// a combo box's items leaves it without a selection.
GameTypeFields fieldsFromRecord(const GameTypeRecord& record);

// The controls into the record (getsettingsfromGUI): malformed numbers give 0,
// bytes keep the low 8 bits, texts are cut to 31 characters. Given `shown`, the
// controls as the last display left them, only the fields whose controls
// differ from it are written, so that a field the user did not touch keeps
// its bytes; without it, every control is written. Bytes that no control
// covers are left as they are.
void fieldsToRecord(const GameTypeFields& fields, GameTypeRecord& record, const GameTypeFields* shown = nullptr);

// The key-release filter of the numeric edits: only the digits 0 to 9 stay.
QString keepDigits(QStringView text);

// What typing `typed` into edit `control` does by the window's rules: the
// digit filter cleans it, and a change of the minerals text unchecks "Use
// default minerals" (mineralsChange).
void typeIntoField(GameTypeFields& fields, const BoundControl& control, const QString& typed);

}  // namespace pellax
