#pragma once

#include "got/gametyperecord.h"

#include <QByteArray>
#include <QString>

namespace pellax {

// The record that one object of `got show --json` describes: the object is
// read back as complete, so that the record depends on nothing else. Every
// control's field and every offset of "carried" and "gaps" must be there;
// "file" may be, and is not used. The fields are set as the controls would
// hold them (not typed: a minerals value keeps defaultmin as given) and saved
// by the editor's rules. Raises UsageError (for "got set"), its message
// beginning with `source`, that names the field at fault: malformed JSON, an
// unknown or missing field, a wrong type, a value out of range, bad hex.
GameTypeRecord recordFromJson(const QByteArray& json, const QString& source);

}  // namespace pellax
