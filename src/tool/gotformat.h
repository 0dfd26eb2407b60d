#pragma once

#include "got/gametypefields.h"
#include "got/gametyperecord.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace pellax {

// The edits the editor shows as a decimal number: all but the two names.
bool isNumberField(const GameTypeField& field);

// How the JSON form keys the bytes no control covers: "0x4D".
QString offsetKey(std::size_t offset);

// A record as `got show` prints it: a "file:" line, then one "name: value" line
// per control of the editor in tab order, as the editor shows it (the text of
// an edit, the item of a combo box, "checked" or "unchecked"). Control
// characters and backslashes in the values are written as \xNN and \\ so that
// each value stays on its line.
QString gotShowText(const QString& file, const GameTypeRecord& record);

// The same as one line of compact JSON: texts unchanged, numbers as numbers,
// combo boxes as {"index", "text"} (index -1 for no selection), check boxes as
// booleans, and the bytes no control covers in hex under "carried" and "gaps",
// keyed by their offset ("0x4D").
QByteArray gotShowJson(const QString& file, const GameTypeRecord& record);

}  // namespace pellax
