// `pellax-tool got show DIR` over 10,000 game-type files in one call, as text
// and as JSON: the median wall time of repeated runs and their spread (fastest,
// slowest, and the middle half). Target: median under 1 s.
//
// The files are made once in a temporary folder (TMPDIR) that is removed at the
// end; one unmeasured run first puts them in the page cache. The output goes to
// /dev/null, so the time is the tool's own: reading, formatting, writing.

#include "support/samples.h"
#include "support/toolrun.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>


namespace {

using pellax::bench::quantile;

constexpr int kFiles = 10000;
constexpr int kRuns = 15;

QTemporaryDir* g_dir = nullptr;

// Plausible records: names, numbers and selections vary, carried bytes are random.
void generateFiles(const QString& folder) {
    std::mt19937 generator(20240611);
    for (int i = 0; i < kFiles; ++i) {
        QByteArray record(97, 0);
        for (char& c : record)
            c = static_cast<char>(generator() & 0xFF);
        const QByteArray name = "Game type " + QByteArray::number(i);
        record.replace(0x01, 32, QByteArray(1, static_cast<char>(i % 9)) + name + QByteArray(31 - name.size(), 0));
        const QByteArray variation = "Variation " + QByteArray::number(i % 97);
        record.replace(0x21, 32, variation + QByteArray(32 - variation.size(), 0));
        record[0x4D] = static_cast<char>(i % 4);  // starting units, sometimes beyond the list
        record[0x4F] = static_cast<char>(i % 5);
        record[96] = 0;
        QFile file(folder + QStringLiteral("/game%1.got").arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(record) != record.size())
            throw std::runtime_error("cannot write the game-type files");
    }
}

void BM_GotShowFolder(benchmark::State& state, bool json) {
    std::vector<std::string> args = {"got", "show"};
    if (json)
        args.emplace_back("--json");
    args.push_back(QFile::encodeName(g_dir->path()).toStdString());
    std::vector<double> wall, cpu;
    try {
        pellax::bench::runTool(PELLAX_TOOL, args);  // unmeasured: page cache, dynamic loader
        for (auto _ : state) {
            const pellax::bench::ToolRun run = pellax::bench::runTool(PELLAX_TOOL, args);
            wall.push_back(run.seconds);
            cpu.push_back(run.cpuSeconds);
            state.SetIterationTime(run.seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const double median = quantile(wall, 0.5);
    state.counters["median_ms"] = median * 1e3;
    state.counters["min_ms"] = quantile(wall, 0) * 1e3;
    state.counters["q1_ms"] = quantile(wall, 0.25) * 1e3;
    state.counters["q3_ms"] = quantile(wall, 0.75) * 1e3;
    state.counters["max_ms"] = quantile(wall, 1) * 1e3;
    state.counters["median_cpu_ms"] = quantile(cpu, 0.5) * 1e3;
    state.counters["files_per_s"] = kFiles / median;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    try {
        generateFiles(dir.path());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    g_dir = &dir;
    benchmark::RegisterBenchmark("pellax-tool/got_show_10000_files", BM_GotShowFolder, false)
        ->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("pellax-tool/got_show_json_10000_files", BM_GotShowFolder, true)
        ->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_dir = nullptr;
    return 0;
}
