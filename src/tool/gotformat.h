#pragma once

#include "got/mainformbinding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <span>

namespace pellax {

// The names got show gives the fields, in its order: the controls', then the
// keys of the game's fields that no control shows exactly.
QStringList shownKeys();

// How the JSON form keys the bytes no control covers: "0x4D".
QString offsetKey(std::size_t offset);

// A record as `got show` prints it: a "file:" line, then one "name: value" line
// per control of the editor in tab order, as the editor shows it (the text of
// an edit, the item of a combo box, "checked" or "unchecked"), then one line
// per field of the game that no control shows exactly, by its key (its
// value's name, or its number where the game names none). Control characters
// and backslashes in the values are written as \xNN and \\ so that each value
// stays on its line.
QString gotShowText(const QString& file, const GameTypeRecord& record);

// The same as one line of compact JSON: texts unchanged, numbers as numbers,
// combo boxes as {"index", "text"} (index -1 for no selection), check boxes as
// booleans, game fields with named values as {"value", "name"} ("" for a value
// the game does not name), the others as numbers, and the bytes no field covers
// in hex under "carried" and "gaps", keyed by their offset ("0x5C"). Where a
// control shows its bytes only in part (a name the editor would write
// otherwise, a selection outside a combo box's items, a flag byte other than
// 0 and 1), "exact" holds those bytes as they are.
QByteArray gotShowJson(const QString& file, const GameTypeRecord& record);

// The bytes of the record that a control shows only in part, as "exact" names
// them: the fields of the names, combo boxes and check boxes that no key of
// the tool gives exactly.
struct ExactBytes {
    const Control* control;
    std::size_t offset;
    std::size_t size;
};
std::span<const ExactBytes> exactByteRanges();

}  // namespace pellax
