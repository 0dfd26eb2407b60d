#include "componentpack/roapplication.h"

#include "componentpack/rosettings.h"
#include "componentpack/rotimerpool.h"
#include "framework/windows/screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pellax {

namespace {

// A folder only this user can put things in: theirs, no link, nobody else may write it.
bool ownFolder(const QString& folder) {
    struct stat st {};
    const QByteArray path = QFile::encodeName(folder);
    return QDir::isAbsolutePath(folder) && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The per-user cache folder's own folder for the program.
QString cacheFolder() {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/pellax");
}

// Makes the marker's folder, private, when it is not there yet.
void makeFolder(const QString& folder) {
    if (QDir().mkpath(QFileInfo(folder).absolutePath()))
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
}

// The marker file, opened for locking; -1 when it cannot be made safely.
int openMarker(const QString& folder, const QString& name) {
    if (!ownFolder(folder))
        return -1;
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

TROApplication::Places TROApplication::programPlaces() {
    Places p;
    p.markerFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!ownFolder(p.markerFolder))
        p.markerFolder = cacheFolder();
    p.programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    p.cursorResource = QStringLiteral(":/cursors/%1.png").arg(kCursorResource);
    return p;
}

TROApplication::TROApplication(TComponent* owner, const Places& places)
    : TComponent(owner, QStringLiteral("ROApplication")), places_(places) {
    if (isDesigning())
        return;
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

bool TROApplication::AnotherInstanceRunning() {
    if (asked_ || isDesigning())
        return anotherInstance_;
    asked_ = true;
    if (places_.markerFolder.isEmpty() || places_.programName.isEmpty())
        return false;
    makeFolder(places_.markerFolder);
    marker_ = openMarker(places_.markerFolder, places_.programName + QStringLiteral(".lock"));
    if (marker_ >= 0 && ::flock(marker_, LOCK_EX | LOCK_NB) != 0) {
        anotherInstance_ = errno == EWOULDBLOCK;
        ::close(marker_);
        marker_ = -1;
    }
    return anotherInstance_;
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
