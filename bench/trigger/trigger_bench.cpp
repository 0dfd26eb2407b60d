// Strip and add on a large trigger source, timed side by side with
// `cat source > output` on the same file, as medians of interleaved runs, and the
// peak memory of one conversion above the idle footprint. Targets: add and strip
// at 0.65 x cat or faster, extra memory < 16 MB.
//
// The source is 1 GiB unless PELLAX_BENCH_TRIGGER_MB says otherwise; it lives in
// a temporary folder (TMPDIR) that is removed at the end.
//
// The conversion replaces its output atomically (temporary file, rename) but,
// like `cat`, leaves the data in the page cache. Each round writes back what it
// left dirty before the next step starts, so that no step pays for another's.

#include "framework/windows/application.h"
#include "trigger/triggerconvert.h"
#include "trigger/triggerfile.h"
#include "support/samples.h"
#include "support/shell.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kMiB = 1024 * 1024;

std::int64_t sourceMiB() {
    if (const char* text = std::getenv("PELLAX_BENCH_TRIGGER_MB")) {
        const long long value = std::atoll(text);
        if (value > 0)
            return value;
    }
    return 1024;
}

struct Workspace {
    QTemporaryDir dir;
    QString source;
    QString output;     // where the conversion writes
    QString catOutput;  // where `cat` writes
    std::int64_t bytes = 0;
};

Workspace* g_work = nullptr;

void writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            throw std::runtime_error(std::string("writing the source: ") + std::strerror(errno));
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Random bytes that do not begin with the trigger header, so both modes convert.
void generateSource(const QString& path, std::int64_t bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error(std::string("creating the source: ") + std::strerror(errno));
    std::mt19937_64 generator(20240611);
    std::unique_ptr<std::uint64_t[]> block(new std::uint64_t[kMiB / 8]);
    for (std::int64_t done = 0; done < bytes; done += kMiB) {
        for (std::int64_t i = 0; i < kMiB / 8; ++i)
            block[static_cast<std::size_t>(i)] = generator();
        auto* data = reinterpret_cast<char*>(block.get());
        if (done == 0)
            data[0] = 'x';
        writeAll(fd, data, static_cast<std::size_t>(std::min(kMiB, bytes - done)));
    }
    ::fsync(fd);
    ::close(fd);
}

// Runs `script` with the source and cat's output as $0 and $1.
void runShell(const char* script) { pellax::bench::runShell(script, g_work->source, g_work->catOutput); }

using pellax::bench::secondsOf;

void removeOutputs() {
    QFile::remove(g_work->output);
    QFile::remove(g_work->catOutput);
}

// Writes back what earlier steps left dirty, so that no step pays for another's.
void settle() { ::sync(); }

using pellax::bench::median;

void BM_ConvertAgainstCat(benchmark::State& state, bool strip) {
    std::vector<double> convert, cat, ratios;
    try {
        bool catFirst = false;
        for (auto _ : state) {
            // Alternating the order keeps drifts of the machine out of the ratio.
            catFirst = !catFirst;
            removeOutputs();
            settle();
            double c = 0;
            if (catFirst) {
                c = secondsOf([] { runShell("cat \"$0\" > \"$1\""); });
                settle();
            }
            const double t = secondsOf([strip] { pellax::CopyTriggerFile(strip, g_work->source); });
            settle();
            if (!catFirst) {
                c = secondsOf([] { runShell("cat \"$0\" > \"$1\""); });
                settle();
            }
            convert.push_back(t);
            cat.push_back(c);
            ratios.push_back(c / t);
            state.SetIterationTime(t);
        }
    } catch (const std::exception& e) {
        removeOutputs();
        state.SkipWithError(e.what());
        return;
    }
    removeOutputs();
    const double bytes = static_cast<double>(g_work->bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * static_cast<double>(state.iterations())));
    state.counters["convert_MiBps_median"] = bytes / median(convert) / kMiB;
    state.counters["cat_MiBps_median"] = bytes / median(cat) / kMiB;
    // Speed against cat from the medians of the interleaved runs, and the spread of the pairs.
    state.counters["ratio_vs_cat"] = median(cat) / median(convert);
    state.counters["pair_ratio_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["pair_ratio_max"] = *std::max_element(ratios.begin(), ratios.end());
}

long statusKiB(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "re");
    if (!status)
        return -1;
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return value;
}

// One conversion in a child process, so that its peak resident size is its own:
// the child starts at the parent's footprint, resets its high-water mark to that
// and reports how far the conversion raised it.
void BM_PeakMemoryAboveIdle(benchmark::State& state) {
    long idle = 0, peak = 0;
    for (auto _ : state) {
        int fds[2];
        if (::pipe(fds) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            if (const int clear = ::open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC); clear >= 0) {
                [[maybe_unused]] const ssize_t ignored = ::write(clear, "5", 1);
                ::close(clear);
            }
            long result[2] = {std::max(statusKiB("VmRSS"), statusKiB("VmHWM")), 0};
            try {
                pellax::CopyTriggerFile(false, g_work->source);
            } catch (...) {
                ::_exit(1);
            }
            result[1] = statusKiB("VmHWM");
            ::_exit(::write(fds[1], result, sizeof result) == sizeof result ? 0 : 1);
        }
        ::close(fds[1]);
        long result[2] = {0, 0};
        const bool got = pid > 0 && ::read(fds[0], result, sizeof result) == sizeof result;
        ::close(fds[0]);
        int status = 0;
        if (pid > 0)
            ::waitpid(pid, &status, 0);
        if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            removeOutputs();
            state.SkipWithError("the conversion in the child failed");
            return;
        }
        idle = result[0];
        peak = std::max(peak, result[1] - result[0]);
    }
    removeOutputs();
    state.counters["idle_MB"] = static_cast<double>(idle) / 1024;
    state.counters["peak_above_idle_MB"] = static_cast<double>(peak) / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Only the refusal message would use it; the generated source never has the header.
    pellax::Application app(QString::fromLocal8Bit(argv[0]));

    Workspace work;
    if (!work.dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    work.source = work.dir.filePath(QStringLiteral("source.trg"));
    work.output = pellax::triggerOutputName(work.source);
    work.catOutput = work.dir.filePath(QStringLiteral("cat.out"));
    work.bytes = sourceMiB() * kMiB;
    g_work = &work;
    try {
        generateSource(work.source, work.bytes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }

    // Unmeasured first round: the first pass over fresh page-cache memory is slow
    // and would count against whichever benchmark runs first.
    try {
        pellax::CopyTriggerFile(false, work.source);
        runShell("cat \"$0\" > \"$1\"");
        removeOutputs();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "warm-up: %s\n", e.what());
        return 1;
    }

    const int rounds = 15;
    benchmark::RegisterBenchmark("CopyTriggerFile/strip_vs_cat", BM_ConvertAgainstCat, true)
        ->Iterations(rounds)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CopyTriggerFile/add_vs_cat", BM_ConvertAgainstCat, false)
        ->Iterations(rounds)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CopyTriggerFile/peak_memory", BM_PeakMemoryAboveIdle)
        ->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_work = nullptr;
    return 0;
}
