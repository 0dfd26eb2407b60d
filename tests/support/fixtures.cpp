#include "support/fixtures.h"

#include "framework/application.h"
#include "framework/registry.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace pellax::test {

void AppTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    savedDialogs_ = Application::instance().setDialogs(std::move(scripted));
    auto recording = std::make_unique<RecordingShell>();
    shell = recording.get();
    savedShell_ = Application::instance().setShell(std::move(recording));
}

void AppTest::TearDown() {
    EXPECT_EQ(dialogs->unscripted, 0) << "a dialog was shown that the test did not expect";
    Application::instance().setDialogs(std::move(savedDialogs_));
    Application::instance().setShell(std::move(savedShell_));
}

ScopedSettingsStore::ScopedSettingsStore() : saved_(registrystore::folder()) { registrystore::setFolder(dir_.path()); }

ScopedSettingsStore::~ScopedSettingsStore() { registrystore::setFolder(saved_); }

QString AppTest::path(const QString& name) const { return dir.filePath(name); }

QString AppTest::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString p = path(name);
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return p;
}

QByteArray AppTest::readFile(const QString& p) {
    QFile f(p);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList AppTest::files() const {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool runningAsRoot() { return ::geteuid() == 0; }

}  // namespace pellax::test

namespace pellax::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &savedAction_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::sigaction(SIGXFSZ, &savedAction_, nullptr);
}

}  // namespace pellax::test
