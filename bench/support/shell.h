// Timing a piece of work and running the shell command a benchmark compares with.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <stdexcept>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace pellax::bench {

template <class F>
double secondsOf(F&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `script` with /bin/sh, `first` and `second` as its $0 and $1; raises when it fails.
inline void runShell(const char* script, const QString& first, const QString& second) {
    const QByteArray a = QFile::encodeName(first);
    const QByteArray b = QFile::encodeName(second);
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", script, a.constData(), b.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string("/bin/sh -c '") + script + "' failed");
}

}  // namespace pellax::bench
