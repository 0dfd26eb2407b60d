#pragma once

#include "trigger/triggerrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace pellax {

// Triggers as one JSON object, on one line:
//   {"file": FILE, "triggers": [TRIGGER...]}
// a trigger being
//   {"players": {"Player 1": 1, ...}, "flags": N, "currentAction": N,
//    "conditions": [SLOT...], "actions": [SLOT...]}
// with the players and groups whose byte is not 0, and a slot (condition or
// action) being its type's number, its name where the type has one, and every
// field by name ("location", "player", ... as in triggerrecord.h), as a number.
// The lists end at the last slot that is not all zero. "file" is left out
// when `file` is empty.
QByteArray triggersToJson(const TriggerList& triggers, const QString& file = QString());

// The triggers of such an object, byte for byte. A missing field, flag or
// list is 0 or empty; a slot may give its type by "type" (a number or a name),
// "name", or both alike; players are named as the text form names them.
// Raises Exception with a message that says where the object is at fault
// ("triggers[2].actions[0].player: expected a whole number from 0 to
// 4294967295, not -1"): malformed JSON, an unknown key, a wrong type, a
// number out of range, too many slots.
TriggerList triggersFromJson(QByteArrayView json);

}  // namespace pellax
