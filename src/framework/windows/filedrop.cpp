#include "framework/windows/filedrop.h"

#include "framework/files/nativebytes.h"
#include "framework/windows/application.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <optional>

namespace pellax {

namespace {

// A file manager removes the source of a drop taken as a move, so the drop is
// taken as a copy, or as a link where the dragging program offers no copy.
std::optional<Qt::DropAction> harmlessAction(Qt::DropActions offered) {
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return std::nullopt;
}

class FileDropHook final : public QObject {
public:
    FileDropHook(QWidget* window, std::function<void(const QStringList&)> handler)
        : QObject(window), handler_(std::move(handler)) {
        window->setAcceptDrops(true);
        window->installEventFilter(this);
        // Controls that take drops themselves (edit fields) would otherwise get the files' names as text.
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->acceptDrops())
                child->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<Qt::DropAction> action = harmlessAction(drop->possibleActions());
        // What the hook does not take, the control under the pointer decides on as before.
        if (!action || QApplication::activeModalWidget())
            return QObject::eventFilter(watched, event);
        QStringList paths = droppedLocalFiles(*drop->mimeData());
        if (paths.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->setDropAction(*action);
        drop->accept();
        if (type == QEvent::Drop) {
            QTimer::singleShot(0, this, [this, paths = std::move(paths)] {
                Application::instance().guard([&] { handler_(paths); });
            });
        }
        return true;
    }

private:
    std::function<void(const QStringList&)> handler_;
};

}  // namespace

void onFileDrop(QWidget* window, std::function<void(const QStringList& paths)> handler) {
    new FileDropHook(window, std::move(handler));  // owned by the window
}

QStringList droppedLocalFiles(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        const QString host = url.host();
        if (!url.isLocalFile() || !(host.isEmpty() || host == QLatin1String("localhost")))
            continue;
        // The name's bytes as the file system has them, UTF-8 or not.
        const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!bytes.isEmpty())
            paths << fromNativeBytes(bytes);
    }
    return paths;
}

}  // namespace pellax
