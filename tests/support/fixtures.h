#pragma once

#include "framework/files/ioerror.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <sys/resource.h>

namespace pellax::test {

// A test with scripted dialogs and shell in place of the real ones and a
// temporary folder for its files; everything is put back afterwards.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Full path of `name` inside the temporary folder.
    QString path(const QString& name) const;
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    static QByteArray readFile(const QString& path);
    // Names of the files in the temporary folder, hidden ones included.
    QStringList files() const;

    QTemporaryDir dir;
    ScriptedDialogs* dialogs = nullptr;
    RecordingShell* shell = nullptr;

private:
    std::unique_ptr<Dialogs> savedDialogs_;
    std::unique_ptr<Shell> savedShell_;
};

// A settings store of its own, empty, for as long as this lives.
class ScopedSettingsStore {
public:
    ScopedSettingsStore();
    ~ScopedSettingsStore();
    ScopedSettingsStore(const ScopedSettingsStore&) = delete;
    ScopedSettingsStore& operator=(const ScopedSettingsStore&) = delete;
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString saved_;
};

// Sets an environment variable for as long as this lives; one that was not set
// is unset again, not left set and empty.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// True when the process may write files whatever their permissions say.
bool runningAsRoot();

// How many file descriptors the process has open.
int openDescriptorCount();

// While alive, the calling thread obeys file and folder permissions even as
// root: the capabilities that override them leave its effective set.
class ObeyPermissions {
public:
    ObeyPermissions();
    ~ObeyPermissions();
    ObeyPermissions(const ObeyPermissions&) = delete;
    ObeyPermissions& operator=(const ObeyPermissions&) = delete;
    bool ok() const noexcept { return ok_; }

private:
    std::uint32_t savedEffective_ = 0;
    bool ok_ = false;
};

}  // namespace pellax::test

namespace pellax::test {

// While alive, no file of this process may grow beyond `bytes`: a write past it
// fails with EFBIG, as on a full disk, instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const noexcept { return ok_; }

private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
    bool ok_ = false;
};

// The run-time code of the EInOutError that `action` raises, 0 when it raises none.
template <class F>
int ioErrorOf(F&& action) {
    try {
        action();
    } catch (const EInOutError& e) {
        return e.errorCode();
    }
    return 0;
}

}  // namespace pellax::test
