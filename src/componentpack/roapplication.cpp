#include "componentpack/roapplication.h"

#include "componentpack/rosettings.h"
#include "componentpack/rotimerpool.h"
#include "framework/screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QPixmap>
#include <QStandardPaths>

namespace pellax {

TROApplication::Places TROApplication::programPlaces() {
    Places p;
    p.markerFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    p.programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    p.cursorResource = QStringLiteral(":/cursors/%1.png").arg(kCursorResource);
    return p;
}

TROApplication::TROApplication(TComponent* owner, const Places& places) : TComponent(owner, QStringLiteral("ROApplication")) {
    if (isDesigning())
        return;
    if (!places.markerFolder.isEmpty() && !places.programName.isEmpty()) {
        marker_ = std::make_unique<QLockFile>(QDir(places.markerFolder).filePath(places.programName + QStringLiteral(".lock")));
        // Never stale while its holder runs; a crashed holder's marker is taken over.
        if (!marker_->tryLock(0))
            anotherInstance_ = marker_->error() == QLockFile::LockFailedError;
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
    // The cursor's picture must go before the GUI does.
    if (cursorInstalled_)
        TScreen::instance().RemoveCursor(kCursorIndex);
}

}  // namespace pellax
