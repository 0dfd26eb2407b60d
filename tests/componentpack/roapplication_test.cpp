#include "componentpack/roapplication.h"
#include "componentpack/rosettings.h"
#include "componentpack/rotimerpool.h"
#include "framework/windows/screen.h"
#include "framework/windows/timer.h"

#include "support/fixtures.h"
#include "support/manualtickers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace pellax {
namespace {

TROApplication::Places placesIn(const QTemporaryDir& dir, const QString& cursor = {}) {
    return {dir.path(), QStringLiteral("pellax"), cursor};
}

TEST(ROApplication, TellsWhetherAnotherCopyHoldsTheMarkerOnlyWhenAsked) {
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("pellax.lock"));
    auto first = std::make_unique<TROApplication>(nullptr, placesIn(dir));
    TROApplication silent(nullptr, placesIn(dir));
    EXPECT_FALSE(QFileInfo::exists(marker));  // nothing asked: no file, no lock
    EXPECT_FALSE(first->AnotherInstanceRunning());
    EXPECT_TRUE(QFileInfo::exists(marker));
    TROApplication second(nullptr, placesIn(dir));
    EXPECT_TRUE(second.AnotherInstanceRunning());
    EXPECT_FALSE(first->AnotherInstanceRunning());  // the answer of the first question stands
    first.reset();
    EXPECT_TRUE(second.AnotherInstanceRunning());
    TROApplication third(nullptr, placesIn(dir));
    EXPECT_FALSE(third.AnotherInstanceRunning());
}

TEST(ROApplication, TheMarkerIsNeverMadeThroughALinkNorInAFolderOthersMayWrite) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("planted"));
    ASSERT_TRUE(QFile::link(target, dir.filePath(QStringLiteral("pellax.lock"))));
    {
        TROApplication app(nullptr, placesIn(dir));
        EXPECT_FALSE(app.AnotherInstanceRunning());
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    QTemporaryDir shared;
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    TROApplication first(nullptr, placesIn(shared));
    TROApplication second(nullptr, placesIn(shared));
    EXPECT_FALSE(first.AnotherInstanceRunning());
    EXPECT_FALSE(second.AnotherInstanceRunning());  // no marker: no other copy known
    EXPECT_FALSE(QFileInfo::exists(shared.filePath(QStringLiteral("pellax.lock"))));
}

TEST(ROApplication, WithoutARuntimeFolderOfItsOwnTheMarkerGoesToTheCacheFolder) {
    QTemporaryDir cache;
    QTemporaryDir shared;
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    // Put back before the folders go.
    const test::ScopedEnv cacheHome("XDG_CACHE_HOME", cache.filePath(QStringLiteral("new")));
    for (const QString& runtime : {QString(), shared.path()}) {
        const test::ScopedEnv runtimeFolder("XDG_RUNTIME_DIR", runtime);
        const TROApplication::Places places = TROApplication::programPlaces();
        const QString folder = places.markerFolder;
        EXPECT_EQ(folder, cache.filePath(QStringLiteral("new/pellax")));
        // Made when the marker is, and private.
        EXPECT_FALSE(QFileInfo::exists(folder));
        TROApplication app(nullptr, places);
        EXPECT_FALSE(QFileInfo::exists(folder));
        EXPECT_FALSE(app.AnotherInstanceRunning());
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(places.programName + QStringLiteral(".lock"))));
        QDir(cache.filePath(QStringLiteral("new"))).removeRecursively();
    }
}

TEST(ROApplication, InstallsTheProgramsCursorOnlyWhenThereIsOne) {
    QTemporaryDir dir;
    {
        TROApplication app(nullptr, placesIn(dir, dir.filePath(QStringLiteral("missing.png"))));
        EXPECT_FALSE(app.CursorInstalled());
        EXPECT_EQ(TScreen::instance().Cursor(TROApplication::kCursorIndex), nullptr);
    }
    const QString picture = dir.filePath(QStringLiteral("cursor.png"));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(picture));
    {
        TROApplication app(nullptr, placesIn(dir, picture));
        EXPECT_TRUE(app.CursorInstalled());
        const QCursor* cursor = TScreen::instance().Cursor(TROApplication::kCursorIndex);
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
    }
    EXPECT_EQ(TScreen::instance().Cursor(TROApplication::kCursorIndex), nullptr);
}

TEST(ROApplication, KeepsASettingsObjectAndATimerPool) {
    test::ScopedSettingsStore store;
    QTemporaryDir dir;
    TROApplication app(nullptr, placesIn(dir));
    ASSERT_NE(app.Settings(), nullptr);
    EXPECT_EQ(app.Settings()->ReadString(QStringLiteral("last"), QStringLiteral("none")), QStringLiteral("none"));
    app.Settings()->WriteString(QStringLiteral("last"), QStringLiteral("a.got"));
    EXPECT_EQ(app.Settings()->ReadString(QStringLiteral("last")), QStringLiteral("a.got"));

    TROTimerPool& pool = *app.TimerPool();
    int ticks = 0;
    TTimer& timer = pool.Acquire(20, [&ticks] { ++ticks; });
    EXPECT_EQ(pool.Active(), 1);
    test::clock().advance(40);
    EXPECT_EQ(ticks, 2);
    pool.Release(timer);
    pool.Release(timer);
    EXPECT_EQ(pool.Active(), 0);
    test::clock().advance(40);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(&pool.Acquire(10, [] {}), &timer);
}

}  // namespace
}  // namespace pellax
