#include "support/fixtures.h"

#include "framework/application.h"

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

#include <csignal>
#include <sys/resource.h>

namespace pellax::test {

FileSizeLimit::FileSizeLimit(long bytes) {
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    savedSoft_ = static_cast<long>(limit.rlim_cur);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(savedSoft_);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, savedHandler_);
}

}  // namespace pellax::test
