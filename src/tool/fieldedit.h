#pragma once

#include "got/mainformbinding.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace pellax {

// One "field=value" of `got set`: what the user would do to that control of
// the editor, or the value of a field of the game that no control shows
// exactly. Edits take the value as typed; combo boxes an item's number
// (0 = the first) or its text; check boxes 1, true, checked or 0, false,
// unchecked; a game field its value's number or name, without regard to case.
struct FieldEdit {
    const BoundControl* control = nullptr;
    ControlValue shown;  // what the control is given
    const GameField* gameField = nullptr;
    std::uint32_t value = 0;  // of gameField
};

// Raises UsageError (for "got set") when the argument has no '=', names no
// control of the editor and no game field, or gives a value it cannot take.
FieldEdit parseFieldEdit(const QString& argument);

// Raises UsageError when two edits give one byte different values: a game
// field given twice, or a game field and the control that shows it in part
// ("Use default minerals" checked needs a resource type other than 0).
void checkEditsAgree(const std::vector<FieldEdit>& edits);

// The item of combo box `field` whose text is `text`, as shown or without
// regard to case and the blanks around it.
std::optional<int> findItem(const BoundControl& control, const QString& text);

// Why `value` cannot be saved in edit `field` as it is: for the two names, a
// character with no byte in the files' 8-bit set (it would be saved as '?'),
// and the bytes their zero fill and the name's colour code take, which would
// read back as another colour or another name. Empty when it can, and for the
// numeric edits, whose text is converted.
QString textValueProblem(const BoundControl& control, QStringView value);

// The edit as the editor takes it: typed text goes through the field's filter
// and the minerals rule (typeIntoField). A game field's edit is not the
// controls' business: applyGameEdit writes it into the record.
void applyFieldEdit(GameTypeFields& fields, const FieldEdit& edit);
void applyGameEdit(GameTypeRecord& record, const FieldEdit& edit);

}  // namespace pellax
