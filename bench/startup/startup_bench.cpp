// Start-up of the program against the least a Qt Widgets program does to show
// one empty window: time to the first frame and peak memory, side by side, as
// medians. The target is a time ratio within 1.3 and at most 15 MB more memory.
//
// The probes use the platform named by QT_QPA_PLATFORM; without it and without
// a display, the offscreen one. Under X: xvfb-run -a pellax_bench_startup
//
// The program starts with a configuration folder of its own that remembers an
// earlier start, as every start but the first finds it: no About window, and
// nothing written to the user's folder. The spread is the interquartile range
// of the per-pair time ratios.

#include "proberun.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using pellax::bench::ProbeRun;
using pellax::bench::runProbe;

constexpr int kPairs = 30;

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

// The fraction `q` of the way through the sorted values.
double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

// XDG_CONFIG_HOME for the probes, with the value of an earlier start; removed at the end.
class ConfigFolder {
public:
    ConfigFolder() {
        char pattern[] = "/tmp/pellax-startup-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
        path_ = pattern;
        ::mkdir((path_ + "/pellax").c_str(), 0700);
        std::ofstream(hive()) << "[SOFTWARE]\nQuorvane\\Pellax%20editor\\started=1\n";
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    }
    ~ConfigFolder() {
        for (const char* name : {"HKEY_LOCAL_MACHINE.ini", "HKEY_LOCAL_MACHINE.ini.lock", "HKEY_CURRENT_USER.ini"})
            std::remove((path_ + "/pellax/" + name).c_str());
        ::rmdir((path_ + "/pellax").c_str());
        ::rmdir(path_.c_str());
    }
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

private:
    std::string hive() const { return path_ + "/pellax/HKEY_LOCAL_MACHINE.ini"; }
    std::string path_;
};

std::string choosePlatform() {
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"))
        return platform;
    if (const char* display = std::getenv("DISPLAY"))
        return std::string("default, DISPLAY=") + display;
    if (const char* wayland = std::getenv("WAYLAND_DISPLAY"))
        return std::string("default, WAYLAND_DISPLAY=") + wayland;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return "offscreen";
}

struct Samples {
    std::vector<double> seconds, cpuSeconds, peakMb;
    void add(const ProbeRun& run) {
        seconds.push_back(run.seconds);
        cpuSeconds.push_back(run.cpuSeconds);
        peakMb.push_back(run.peakMb);
    }
};

void BM_StartupToFirstFrame(benchmark::State& state) {
    state.SetLabel(choosePlatform());
    Samples pellax, empty;
    std::vector<double> ratios;
    try {
        const ConfigFolder config;
        // Unmeasured first round: disk cache, font cache.
        runProbe(EMPTY_WINDOW_PROBE);
        runProbe(PELLAX_STARTUP_PROBE);
        bool pellaxFirst = false;
        for (auto _ : state) {
            // Alternating the order keeps drifts of the machine out of the ratio.
            pellaxFirst = !pellaxFirst;
            ProbeRun a = runProbe(pellaxFirst ? PELLAX_STARTUP_PROBE : EMPTY_WINDOW_PROBE);
            ProbeRun b = runProbe(pellaxFirst ? EMPTY_WINDOW_PROBE : PELLAX_STARTUP_PROBE);
            if (!pellaxFirst)
                std::swap(a, b);
            pellax.add(a);
            empty.add(b);
            ratios.push_back(a.seconds / b.seconds);
            state.SetIterationTime(a.seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const double pellaxMs = median(pellax.seconds) * 1e3;
    const double emptyMs = median(empty.seconds) * 1e3;
    const double pellaxCpuMs = median(pellax.cpuSeconds) * 1e3;
    const double emptyCpuMs = median(empty.cpuSeconds) * 1e3;
    const double pellaxMb = median(pellax.peakMb);
    const double emptyMb = median(empty.peakMb);
    state.counters["pellax_ms"] = pellaxMs;
    state.counters["empty_ms"] = emptyMs;
    state.counters["time_ratio"] = pellaxMs / emptyMs;
    state.counters["ratio_p25"] = quantile(ratios, 0.25);
    state.counters["ratio_p75"] = quantile(ratios, 0.75);
    // CPU time hardly moves with the load of the machine, wall time does.
    state.counters["pellax_cpu_ms"] = pellaxCpuMs;
    state.counters["empty_cpu_ms"] = emptyCpuMs;
    state.counters["cpu_ratio"] = pellaxCpuMs / emptyCpuMs;
    state.counters["pellax_MB"] = pellaxMb;
    state.counters["empty_MB"] = emptyMb;
    state.counters["extra_MB"] = pellaxMb - emptyMb;
}

BENCHMARK(BM_StartupToFirstFrame)->Iterations(kPairs)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
