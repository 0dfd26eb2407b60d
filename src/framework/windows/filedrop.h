#pragma once

#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

namespace pellax {

// Lets files from a file manager be dropped anywhere on `window`: a drag that
// carries at least one local file is taken by the window, even over an edit
// field that would otherwise paste the file's name. `handler` gets the local
// files' paths, through the application's guard, once the drop has completed,
// so that the dragging program is not kept waiting while files open; should a
// modal window have opened in between, they open once it has closed. Links to
// anything but local files are left out; a drag of nothing else is refused, as
// is every drag while a modal window is open. The hook is a child of the window
// and watches the controls the window has when it is called.
void onFileDrop(QWidget* window, std::function<void(const QStringList& paths)> handler);

// The local files that dragged data names, in order.
QStringList droppedLocalFiles(const QMimeData& data);

}  // namespace pellax
