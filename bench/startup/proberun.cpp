#include "proberun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace pellax::bench {

namespace {

class Fd {
public:
    explicit Fd(int fd = -1) noexcept : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const noexcept { return fd_; }
    void reset() noexcept {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

std::runtime_error failure(const std::string& path, const std::string& what) {
    return std::runtime_error(path + ": " + what);
}

std::string describeStatus(int status) {
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("killed by signal ") + ::strsignal(WTERMSIG(status));
    return "ended oddly";
}

// Reads one line; false when the pipe closes first.
bool readLine(int fd, std::string& line) {
    line.clear();
    char c;
    for (;;) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        if (c == '\n')
            return true;
        line += c;
    }
}

}  // namespace

ProbeRun runProbe(const std::string& path) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw failure(path, std::strerror(errno));
    Fd readEnd(ends[0]);
    Fd writeEnd(ends[1]);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Qt's warnings come through the same pipe: shown only when the probe fails.
    posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDERR_FILENO);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw failure(path, std::strerror(spawned));
    writeEnd.reset();

    constexpr std::string_view kKey = "peak_kb ";
    std::string line, output;
    bool reported = false;
    while (!reported && readLine(readEnd.get(), line)) {
        reported = line.rfind(kKey, 0) == 0;
        if (!reported)
            output += "\n  " + line;
    }
    const auto shown = std::chrono::steady_clock::now();

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!reported)
        throw failure(path, "no report of a first frame, " + describeStatus(status) + output);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw failure(path, describeStatus(status) + output);

    long peakKb = 0;
    long cpuUs = 0;
    if (std::sscanf(line.c_str(), "peak_kb %ld cpu_us %ld", &peakKb, &cpuUs) != 2)
        throw failure(path, "unreadable report \"" + line + "\"");
    ProbeRun run;
    run.seconds = std::chrono::duration<double>(shown - start).count();
    run.cpuSeconds = static_cast<double>(cpuUs) / 1e6;
    run.peakMb = static_cast<double>(peakKb) * 1024.0 / 1e6;
    return run;
}

}  // namespace pellax::bench
