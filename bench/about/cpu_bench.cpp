// CPU time the running program takes over a minute: with the About window
// hidden (a second start: the settings store remembers the first) and with it
// shown and animating (a first start: the program opens it by itself). Read as
// utime + stime from /proc/<pid>/stat, after a few seconds to settle. Targets:
// under 0.5 % of one core hidden, under 5 % shown.
//
// The program uses the platform named by QT_QPA_PLATFORM; without it and without
// a display, the offscreen one. Under X: xvfb-run -a pellax_bench_about_cpu.
// PELLAX_BENCH_CPU_SECONDS shortens or lengthens the minute.

#include "support/configfolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using pellax::bench::ConfigFolder;
using pellax::bench::choosePlatform;

constexpr int kSettleSeconds = 3;

int measuredSeconds() {
    if (const char* text = std::getenv("PELLAX_BENCH_CPU_SECONDS")) {
        const int value = std::atoi(text);
        if (value > 0)
            return value;
    }
    return 60;
}

// utime + stime of a process, in seconds.
double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name in parentheses may hold blanks; the fields follow its end.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        throw std::runtime_error("unreadable /proc/<pid>/stat");
    std::istringstream fields(text.substr(close + 2));
    std::vector<std::string> values;
    std::string value;
    while (fields >> value)
        values.push_back(value);
    // Fields 14 and 15 of the whole line are the 12th and 13th after the name.
    if (values.size() < 13)
        throw std::runtime_error("short /proc/<pid>/stat");
    const double ticks = std::stod(values[11]) + std::stod(values[12]);
    return ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

class RunningProgram {
public:
    explicit RunningProgram(const std::string& configHome) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0)
                env.emplace_back(*e);
        }
        env.push_back("XDG_CONFIG_HOME=" + configHome);
        std::vector<char*> envp;
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>(PELLAX_EXECUTABLE), nullptr};
        const int spawned = ::posix_spawn(&pid_, PELLAX_EXECUTABLE, &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            throw std::runtime_error(std::string(PELLAX_EXECUTABLE) + ": " + std::strerror(spawned));
    }
    ~RunningProgram() {
        ::kill(pid_, SIGTERM);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool alive() const { return ::waitpid(pid_, nullptr, WNOHANG) == 0; }
    pid_t pid() const noexcept { return pid_; }

private:
    pid_t pid_ = 0;
};

void measure(benchmark::State& state, bool firstStart) {
    state.SetLabel(choosePlatform());
    const int seconds = measuredSeconds();
    try {
        for (auto _ : state) {
            ConfigFolder config;
            if (!firstStart)
                config.rememberFirstStart();
            RunningProgram program(config.path());
            std::this_thread::sleep_for(std::chrono::seconds(kSettleSeconds));
            if (!program.alive())
                throw std::runtime_error("the program ended by itself");
            // On a first start the check has written its value and left the window up.
            if (firstStart && !config.firstStartRemembered())
                throw std::runtime_error("the first start did not run its check");
            const double before = cpuSeconds(program.pid());
            const auto from = std::chrono::steady_clock::now();
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            const double used = cpuSeconds(program.pid()) - before;
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
            state.SetIterationTime(wall);
            state.counters["cpu_percent"] = 100.0 * used / wall;
            state.counters["cpu_ms"] = used * 1e3;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_CpuAboutHidden(benchmark::State& state) { measure(state, false); }
void BM_CpuAboutShown(benchmark::State& state) { measure(state, true); }

BENCHMARK(BM_CpuAboutHidden)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_CpuAboutShown)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
