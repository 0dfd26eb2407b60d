// Start-up of the program against three floors, side by side: a plain Qt main
// window with the editor window's widgets and menus (the fair comparison), a
// window with one label (the font machinery started) and an empty window (the
// least a Qt Widgets program does). Time to the first frame, CPU time and peak
// memory, as medians over interleaved rounds, each round running the four
// probes in a rotated order. Targets: at most 1.05 x the equivalent window's
// time and its peak memory + 15 MB.
//
// The probes use the platform named by QT_QPA_PLATFORM; without it and without
// a display, the offscreen one. Under X: xvfb-run -a pellax_bench_startup
//
// The program starts with a configuration folder of its own that remembers an
// earlier start, as every start but the first finds it: no About window, and
// nothing written to the user's folder. The spread is given as quartiles and
// extremes of each probe's times.

#include "proberun.h"
#include "support/configfolder.h"
#include "support/samples.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using pellax::bench::ProbeRun;
using pellax::bench::ConfigFolder;
using pellax::bench::choosePlatform;
using pellax::bench::median;
using pellax::bench::quantile;
using pellax::bench::runProbe;

constexpr int kRounds = 25;

struct Probe {
    const char* name;
    const char* path;
    std::vector<double> seconds, cpuSeconds, peakMb;
};

void report(const std::array<Probe, 4>& probes) {
    std::fprintf(stderr, "\n%-12s %28s %28s %22s\n", "probe", "wall ms median [q1 q3] (min max)",
                 "cpu ms median [q1 q3]", "peak MB median (max)");
    for (const Probe& p : probes) {
        std::fprintf(stderr, "%-12s %6.1f [%5.1f %5.1f] (%5.1f %5.1f) %10.1f [%5.1f %5.1f] %12.1f (%5.1f)\n", p.name,
                     median(p.seconds) * 1e3, quantile(p.seconds, 0.25) * 1e3, quantile(p.seconds, 0.75) * 1e3,
                     quantile(p.seconds, 0) * 1e3, quantile(p.seconds, 1) * 1e3, median(p.cpuSeconds) * 1e3,
                     quantile(p.cpuSeconds, 0.25) * 1e3, quantile(p.cpuSeconds, 0.75) * 1e3, median(p.peakMb),
                     quantile(p.peakMb, 1));
    }
}

void BM_StartupToFirstFrame(benchmark::State& state) {
    state.SetLabel(choosePlatform());
    std::array<Probe, 4> probes{{{"pellax", PELLAX_STARTUP_PROBE, {}, {}, {}},
                                 {"equivalent", EQUIVALENT_WINDOW_PROBE, {}, {}, {}},
                                 {"one-label", LABEL_WINDOW_PROBE, {}, {}, {}},
                                 {"empty", EMPTY_WINDOW_PROBE, {}, {}, {}}}};
    try {
        const ConfigFolder config;
        config.rememberFirstStart();
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        // Unmeasured first round: disk cache, font cache.
        for (const Probe& p : probes)
            runProbe(p.path);
        std::size_t round = 0;
        for (auto _ : state) {
            // Rotating the order keeps drifts of the machine out of the ratios.
            for (std::size_t i = 0; i < probes.size(); ++i) {
                Probe& p = probes[(round + i) % probes.size()];
                const ProbeRun run = runProbe(p.path);
                p.seconds.push_back(run.seconds);
                p.cpuSeconds.push_back(run.cpuSeconds);
                p.peakMb.push_back(run.peakMb);
            }
            state.SetIterationTime(probes[0].seconds.back());
            ++round;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const Probe& pellax = probes[0];
    for (std::size_t i = 1; i < probes.size(); ++i) {
        const std::string floor = probes[i].name;
        state.counters["time_x_" + floor] = median(pellax.seconds) / median(probes[i].seconds);
        // CPU time hardly moves with the load of the machine, wall time does.
        state.counters["cpu_x_" + floor] = median(pellax.cpuSeconds) / median(probes[i].cpuSeconds);
    }
    state.counters["pellax_ms"] = median(pellax.seconds) * 1e3;
    state.counters["extra_MB_vs_equivalent"] = median(pellax.peakMb) - median(probes[1].peakMb);
    report(probes);
}

BENCHMARK(BM_StartupToFirstFrame)->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
