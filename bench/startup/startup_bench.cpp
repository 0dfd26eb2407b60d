// Start-up of the program against the least a Qt Widgets program does to show
// one empty window: time to the first frame and peak memory, side by side, as
// medians. The target is a time ratio within 1.3 and at most 15 MB more memory.
//
// The probes use the platform named by QT_QPA_PLATFORM; without it and without
// a display, the offscreen one. Under X: xvfb-run -a pellax_bench_startup

#include "proberun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
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
    try {
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
