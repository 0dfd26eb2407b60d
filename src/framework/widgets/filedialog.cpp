#include "framework/widgets/filedialog.h"

#include "framework/windows/application.h"

#include <QFileInfo>

namespace pellax {

TFileDialog::TFileDialog(TComponent* owner, const QString& name, DialogKind kind)
    : TComponent(owner, name), kind_(kind) {}

bool TFileDialog::Execute(QWidget* parent) {
    const FileDialogRequest request{kind_, Title, Filter, DefaultExt, FileName};
    const auto chosen = Application::instance().dialogs().chooseFile(request, parent);
    if (!chosen)
        return false;
    QString path = *chosen;
    // An open dialog only adds the extension when the name as typed is not a file;
    // a folder keeps its name, so that the command reports it rather than writing beside it.
    const QFileInfo typed(path);
    if (!typed.isDir() && (kind_ == DialogKind::Save || !typed.exists()))
        path = withDefaultExtension(path, DefaultExt);
    FileName = QFileInfo(path).absoluteFilePath();
    return true;
}

}  // namespace pellax
