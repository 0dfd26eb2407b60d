#pragma once

#include "trigger/triggerrecord.h"

#include <QByteArrayView>
#include <QStringList>

namespace pellax {

// Each thing in a trigger file that the game cannot use, in words a modder
// understands, one per item; empty when the game can use all of it:
//   - a size or header that is wrong (triggerFileProblem);
//   - a condition type above 23 or an action type above 59;
//   - a unit type above 232, or a player or group above 26, in an argument of
//     a condition or action whose type takes one;
//   - a trigger that runs for nobody (every player and group byte 0).
// Empty slots (type 0) are not judged; disabled conditions and actions are.
QStringList triggerFileFindings(QByteArrayView file);
QStringList triggerFindings(const TriggerList& triggers);

}  // namespace pellax
