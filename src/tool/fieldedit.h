#pragma once

#include "got/gametypefields.h"

#include <QString>

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

// The edit as the editor takes it: typed text goes through the field's filter
// and the minerals rule (typeIntoField).
void applyFieldEdit(GameTypeFields& fields, const FieldEdit& edit);

}  // namespace pellax
