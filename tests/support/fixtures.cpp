#include "support/fixtures.h"

#include "framework/files/registry.h"
#include "framework/windows/application.h"

#include <QDir>
#include <QFile>

#include <linux/capability.h>
#include <sys/syscall.h>
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

int openDescriptorCount() {
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

namespace {

constexpr __u32 kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// Capabilities belong to a thread; pid 0 in the header is the calling one.
struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    bool read() { return ::syscall(SYS_capget, &header, data) == 0; }
    bool write() { return ::syscall(SYS_capset, &header, data) == 0; }
};

}  // namespace

ObeyPermissions::ObeyPermissions() {
    Capabilities caps;
    if (!caps.read())
        return;
    savedEffective_ = caps.data[0].effective;
    caps.data[0].effective &= ~kOverrides;
    ok_ = caps.write();
}

ObeyPermissions::~ObeyPermissions() {
    Capabilities caps;
    if (ok_ && caps.read()) {
        caps.data[0].effective = savedEffective_;
        caps.write();
    }
}

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
