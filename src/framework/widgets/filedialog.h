#pragma once

#include "framework/windows/component.h"
#include "framework/windows/dialogs.h"

class QWidget;

namespace pellax {

// An open or save dialog as a window holds it: filter, default extension and
// title are set once (or changed before a run); Execute shows it through the
// application's dialogs and leaves the chosen path in FileName.
class TFileDialog : public TComponent {
public:
    TFileDialog(TComponent* owner, const QString& name, DialogKind kind);

    QString Filter;
    QString DefaultExt;
    QString Title;
    QString FileName;

    // True when the user chose a file; FileName then holds its full path.
    bool Execute(QWidget* parent);

private:
    DialogKind kind_;
};

class TOpenDialog final : public TFileDialog {
public:
    TOpenDialog(TComponent* owner, const QString& name) : TFileDialog(owner, name, DialogKind::Open) {}
};

class TSaveDialog final : public TFileDialog {
public:
    TSaveDialog(TComponent* owner, const QString& name) : TFileDialog(owner, name, DialogKind::Save) {}
};

}  // namespace pellax
