#pragma once

#include "trigger/triggerrecord.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace pellax {

// Triggers as text, in the form map editors show them:
//
//   Trigger("Player 1","Player 2"){
//   Conditions:
//   	Command("Current Player", "Buildings", At most, 0);
//
//   Actions:
//   	Defeat();
//   }
//
//   //-----------------------------------------------------------------//
//
// Each condition and action by its type's name with its arguments by name;
// ";" before one that is disabled; "Flags:" and the 32 bits in binary for a
// trigger with flags; "Player 1":5 for an owner byte other than 1; Custom(...)
// with every field's number for a type the tables do not know, and for an empty
// slot that comes before a used one. Bytes that the type does not use but that
// are not 0 follow its arguments as Field=value ("Location=5", "Flags=0x12"),
// and a current-action index that is not 0 comes as "Current Action:" and the
// number, so that compiling the text gives the same bytes back. Text without
// such extras is exactly what a map editor reads.
QString triggersToText(const TriggerList& triggers);

// One thing wrong in a text: where (1-based; the column counts characters, a
// tab as one) and what was expected there.
struct TriggerTextError {
    int line = 0;
    int column = 0;
    QString message;
};

// The triggers a text describes, or every error found in it: when `errors` is
// not empty, `triggers` is not to be used. Names are read without regard to
// case and spaces, with the spellings other tools use as well.
struct CompiledTriggers {
    TriggerList triggers;
    std::vector<TriggerTextError> errors;

    bool ok() const { return errors.empty(); }
};
CompiledTriggers compileTriggerText(QStringView text);

}  // namespace pellax
