// Drives the built pellax-tool on files in a temporary folder. Every run has no
// display: DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are removed from its
// environment.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pellax::test {

struct ToolRun {
    int status = -1;  // -1 when killed by a signal
    QString out;
    QString err;
    QByteArray rawOut;
    QByteArray rawErr;
};

class Tool : public ::testing::Test {
protected:
    // `input` goes to standard input; `modifier` runs in the child before the tool starts.
    ToolRun tool(const QStringList& args, const QString& stdoutFile = QString(), const QByteArray& input = QByteArray(),
                 const std::function<void()>& modifier = {}) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        if (!stdoutFile.isEmpty())
            process.setStandardOutputFile(stdoutFile);
        if (modifier)
            process.setChildProcessModifier(modifier);
        process.start(QStringLiteral(PELLAX_TOOL), args);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000)) << args.join(u' ').toStdString();
        ToolRun run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.rawOut = process.readAllStandardOutput();
        run.rawErr = process.readAllStandardError();
        run.out = QString::fromUtf8(run.rawOut);
        run.err = QString::fromUtf8(run.rawErr);
        return run;
    }

    // The same with the arguments as bytes, as a shell hands them over: a
    // name that is not UTF-8 cannot pass through QProcess's QString arguments.
    ToolRun toolWithBytes(const QList<QByteArray>& args) const {
        const QByteArray outFile = QFile::encodeName(scratch.filePath(QStringLiteral("out")));
        const QByteArray errFile = QFile::encodeName(scratch.filePath(QStringLiteral("err")));
        const QByteArray folder = QFile::encodeName(dir.path());
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, outFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
        QList<QByteArray> words{QByteArrayLiteral(PELLAX_TOOL)};
        words += args;
        std::vector<char*> argv;
        for (QByteArray& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        const int spawned = posix_spawn(&pid, PELLAX_TOOL, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0);
        int wstatus = 0;
        EXPECT_EQ(waitpid(pid, &wstatus, 0), pid);
        ToolRun run;
        run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        run.rawOut = readAbsolute(scratch.filePath(QStringLiteral("out")));
        run.rawErr = readAbsolute(scratch.filePath(QStringLiteral("err")));
        run.out = QString::fromUtf8(run.rawOut);
        run.err = QString::fromUtf8(run.rawErr);
        return run;
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path(name);
    }
    QByteArray read(const QString& name) const { return readAbsolute(path(name)); }
    static QByteArray readAbsolute(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A record with recognisable carried and gap bytes (0xA0 + offset % 16).
    static QByteArray sample() {
        QByteArray b(96, 0);
        for (int i = 0; i < 96; ++i)
            b[i] = static_cast<char>(0xA0 + i % 16);
        const QByteArray name("\x02Zerg rush");
        b.replace(0x01, 32, name + QByteArray(32 - name.size(), 0));
        const QByteArray var("Var\x07iant");
        b.replace(0x21, 32, var + QByteArray(32 - var.size(), 0));
        b[0x41] = 7;
        b[0x43] = 2;
        b.replace(0x45, 4, QByteArray("\x09\x00\x00\x00", 4));
        b[0x49] = static_cast<char>(200);
        b[0x4A] = 1;
        b[0x4D] = 1;
        b[0x4F] = 3;
        b[0x50] = 0;
        b[0x51] = 4;
        b.replace(0x58, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
        return b;
    }

    // sample() as a file the game takes for a game type: its first byte 3,
    // and the zero byte that Save appends.
    static QByteArray gameFile() {
        QByteArray b = sample() + QByteArray(1, 0);
        b[0] = 3;
        return b;
    }

    // The bytes that no control covers.
    static QByteArray hidden(const QByteArray& record) {
        QByteArray bytes;
        for (const int offset : {0x00, 0x42, 0x44, 0x4B, 0x4C, 0x4E, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x5C, 0x5D,
                                 0x5E, 0x5F})
            bytes += record[offset];
        return bytes;
    }

    QTemporaryDir dir;
    QTemporaryDir scratch;  // what the tool's runs leave, apart from the files under test
};

inline std::uint8_t at(const QByteArray& bytes, int offset) { return static_cast<std::uint8_t>(bytes.at(offset)); }

}  // namespace pellax::test
