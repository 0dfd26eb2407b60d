// Running the built pellax-tool from a benchmark: its wall and CPU time.
#pragma once

#include <chrono>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace pellax::bench {

struct ToolRun {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system
};

// Starts the program `tool` with `args`, its standard output into `output` (made
// anew) or /dev/null, and waits for it; raises when it cannot start or fails.
inline ToolRun runTool(const char* tool, const std::vector<std::string>& args, const std::string& output = std::string()) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(tool));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.empty() ? "/dev/null" : output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, tool, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(std::string("cannot start ") + tool + ": " + std::strerror(spawned));
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            throw std::runtime_error(std::string("waiting for ") + tool + " failed");
    }
    ToolRun result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string command = tool;
        for (const std::string& arg : args)
            command += " " + arg;
        throw std::runtime_error(command + " failed");
    }
    return result;
}

}  // namespace pellax::bench
