#pragma once

#include "got/gametypefields.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace pellax {

// One "field=value" of `got set`: what the user would do to that control of
// the editor. Edits take the value as typed; combo boxes an item's number
// (0 = the first) or its text; check boxes 1, true, checked or 0, false, unchecked.
struct FieldEdit {
    const GameTypeField* field = nullptr;
    QString text;
    int selection = -1;
    bool checked = false;
};

// Raises UsageError (for "got set") when the argument has no '=', names no
// control of the editor or gives a value the control cannot take.
FieldEdit parseFieldEdit(const QString& argument);

// The item of combo box `field` whose text is `text`, as shown or without
// regard to case and the blanks around it.
std::optional<int> findItem(const GameTypeField& field, const QString& text);

// Why `value` cannot be saved in edit `field` as it is: for the two names, a
// character with no byte in the files' 8-bit set (it would be saved as '?'),
// and the bytes their zero fill and the name's colour code take, which would
// read back as another colour or another name. Empty when it can, and for the
// numeric edits, whose text is converted.
QString textValueProblem(const GameTypeField& field, QStringView value);

// The edit as the editor takes it: typed text goes through the field's filter
// and the minerals rule (typeIntoField).
void applyFieldEdit(GameTypeFields& fields, const FieldEdit& edit);

}  // namespace pellax
