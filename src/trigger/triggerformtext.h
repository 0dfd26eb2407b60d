#pragma once

#include "trigger/triggertext.h"

#include <QByteArrayView>
#include <QString>

namespace pellax {

// The trigger window's words, apart from its widgets.

// "Triggers - FILE" for a file; "Triggers - from MAP (not saved)" for a map's
// triggers not yet written anywhere; "Triggers - New file" for neither.
QString triggerFormCaption(const QString& file, const QString& map);

// "3 triggers", or that the text has errors and cannot be counted.
QString triggerCountText(const CompiledTriggers& compiled);

// "Line 3, column 5: expected ..."
QString triggerErrorText(const TriggerTextError& error);

// "Line 3, column 5"
QString cursorPositionText(int line, int column);

// Why a file cannot be opened as a trigger file, empty when it can: the
// file's problem (triggerFileProblem), and for a file of whole triggers
// without the header (as Strip header writes it), how to make one that the
// game and the editor read.
QString triggerFileLoadProblem(QByteArrayView file);

// A map whose triggers cannot be read, named, with the reason.
QString mapImportProblem(const QString& map, const QString& problem);

}  // namespace pellax
