#pragma once

#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

// True when the process may write files whatever their permissions say.
bool runningAsRoot();

}  // namespace pellax::test

namespace pellax::test {

// While alive, no file of this process may grow beyond `bytes`: writes past it
// fail as on a full disk. The signal such a write raises is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long savedSoft_;
    void (*savedHandler_)(int);
};

}  // namespace pellax::test
