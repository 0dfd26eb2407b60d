#include "framework/files/isolatedcall.h"

#include "framework/files/ioerror.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pellax {

namespace {

void writeAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ::_exit(3);
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

// The address space the work may take beyond what the program holds when it
// starts: a damaged size in an archive's header must not have it fill memory
// for minutes. Sanitizer builds map far more than they use, so there the
// sanitizer's own cap on one allocation (max_allocation_size_mb, set by the
// test run) stands in for this.
constexpr rlim_t kHeadroom = rlim_t{1} << 30;

void limitMemory() {
#if !defined(__SANITIZE_ADDRESS__)
    long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "re")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    if (pages <= 0)
        return;
    const rlim_t size = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + kHeadroom;
    const rlimit limit{size, size};
    ::setrlimit(RLIMIT_AS, &limit);
#endif
}

// In the child: the reply, then out without running the parent's exit handlers.
[[noreturn]] void replyAndExit(int fd, const std::function<IsolatedReply()>& work) {
    limitMemory();
    IsolatedReply reply;
    try {
        reply = work();
    } catch (...) {
        ::_exit(2);
    }
    const std::int32_t head[3] = {reply.status, reply.code, static_cast<std::int32_t>(reply.payload.size())};
    writeAll(fd, reinterpret_cast<const char*>(head), sizeof head);
    writeAll(fd, reply.payload.constData(), static_cast<std::size_t>(reply.payload.size()));
    ::_exit(0);
}

// Everything the child writes until it closes its end, or nothing when the
// time is up first.
std::optional<QByteArray> readUntilClosed(int fd, int seconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return data;
        data.append(buffer, n);
    }
}

}  // namespace

std::optional<IsolatedReply> runIsolated(const std::function<IsolatedReply()>& work, int seconds) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        EInOutError::raiseErrno(errno);
    const pid_t child = ::fork();
    if (child < 0) {
        const int err = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        EInOutError::raiseErrno(err);
    }
    if (child == 0) {
        ::close(fds[0]);
        replyAndExit(fds[1], work);
    }
    ::close(fds[1]);
    const std::optional<QByteArray> data = readUntilClosed(fds[0], seconds);
    ::close(fds[0]);
    if (!data)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    constexpr qsizetype kHead = 3 * sizeof(std::int32_t);
    if (!data || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || data->size() < kHead)
        return std::nullopt;
    std::int32_t head[3];
    std::memcpy(head, data->constData(), sizeof head);
    if (head[2] < 0 || data->size() != kHead + head[2])
        return std::nullopt;
    return IsolatedReply{head[0], head[1], data->mid(kHead)};
}

}  // namespace pellax
