#pragma once

class QWidget;

namespace pellax {

class TOpenDialog;

// "Trigger files" menu commands: ask for a trigger file with `opentrigs` and
// convert it beside itself; from an MPQ archive, a trigger member picked from
// its list, converted into the same archive. A cancelled dialog ends the command; file errors
// propagate to the caller's guard.
void Stripheader1Click(TOpenDialog& opentrigs, QWidget* parent);
void Addheader1Click(TOpenDialog& opentrigs, QWidget* parent);

}  // namespace pellax
