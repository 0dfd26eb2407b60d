#include "framework/windows/filedrop.h"

#include "framework/files/nativebytes.h"
#include "framework/windows/application.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

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
            pending_.push_back(std::move(paths));
            runSoon();
        }
        return true;
    }

private:
    void runSoon() {
        QTimer::singleShot(0, this, [this] { runPending(); });
    }

    // Runs the drops taken so far, unless a modal window has opened since one
    // was taken: its files would open behind it, their error boxes compete
    // with it. Then they wait for it to close, and for any opened after it.
    void runPending() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            waitFor(modal);
            return;
        }
        std::vector<QStringList> drops = std::exchange(pending_, {});
        for (const QStringList& paths : drops)
            Application::instance().guard([&] { handler_(paths); });
    }

    void waitFor(QWidget* modal) {
        if (modal == waitingFor_)
            return;
        stopWaiting();
        waitingFor_ = modal;
        modal->installEventFilter(&closeWatch_);
        // One that goes away without being hidden first.
        destroyed_ = connect(modal, &QObject::destroyed, this, [this] { modalClosed(); });
    }

    void stopWaiting() {
        if (waitingFor_) {
            waitingFor_->removeEventFilter(&closeWatch_);
            disconnect(destroyed_);
        }
        waitingFor_ = nullptr;
    }

    void modalClosed() {
        stopWaiting();
        runSoon();
    }

    // Tells the hook when the modal window it waits for is hidden; apart from
    // the hook, whose own filter may watch that window for drops.
    class CloseWatch final : public QObject {
    public:
        explicit CloseWatch(FileDropHook& hook) : hook_(hook) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Hide && watched == hook_.waitingFor_)
                hook_.modalClosed();
            return QObject::eventFilter(watched, event);
        }

    private:
        FileDropHook& hook_;
    };

    std::function<void(const QStringList&)> handler_;
    std::vector<QStringList> pending_;
    QPointer<QWidget> waitingFor_;
    QMetaObject::Connection destroyed_;
    CloseWatch closeWatch_{*this};
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
