#include "componentpack/roapplication.h"

#include "componentpack/rosettings.h"
#include "componentpack/rotimerpool.h"
#include "framework/screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pellax {

TROApplication::Places TROApplication::programPlaces() {
    Places p;
    p.markerFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (p.markerFolder.isEmpty())
        p.markerFolder = QDir::tempPath();
    p.programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    p.cursorResource = QStringLiteral(":/cursors/%1.png").arg(kCursorResource);
    return p;
}

TROApplication::TROApplication(TComponent* owner, const Places& places) : TComponent(owner, QStringLiteral("ROApplication")) {
    if (isDesigning())
        return;
    if (!places.markerFolder.isEmpty() && !places.programName.isEmpty()) {
        const QByteArray path = QFile::encodeName(QDir(places.markerFolder).filePath(places.programName + QStringLiteral(".lock")));
        marker_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (marker_ >= 0 && ::flock(marker_, LOCK_EX | LOCK_NB) != 0) {
            anotherInstance_ = errno == EWOULDBLOCK;
            ::close(marker_);
            marker_ = -1;
        }
    }
    if (!places.cursorResource.isEmpty()) {
        const QPixmap picture(places.cursorResource);
        if (!picture.isNull()) {
            TScreen::instance().SetCursor(kCursorIndex, QCursor(picture, 0, 0));
            cursorInstalled_ = true;
        }
    }
    settings_ = &make<TROSettings>(QStringLiteral("Settings"));
    timerPool_ = &make<TROTimerPool>(QStringLiteral("TimerPool"));
}

TROApplication::~TROApplication() {
    DestroyComponents();
    if (marker_ >= 0)
        ::close(marker_);
    // The cursor's picture must go before the GUI does.
    if (cursorInstalled_)
        TScreen::instance().RemoveCursor(kCursorIndex);
}

}  // namespace pellax
