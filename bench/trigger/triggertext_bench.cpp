// A trigger file of 2,000 triggers (4.8 MB) through pellax-tool as text and as
// JSON, each way: `trg show`, `trg set`, `trg show --json`, `trg set --json`,
// run in turns with the floor, `pellax-tool --version` (starting the program
// and nothing else), so that each round sees the same machine. Reports the
// median wall time of the rounds and their spread (fastest, middle half,
// slowest), and the median CPU time. Target: each way under 0.5 s.
//
// Every slot of every trigger is used, by a type the game knows, with values
// that are names where the tables have them: the most a file of that size can
// ask of the text form. The files live in a temporary folder (TMPDIR) that is
// removed at the end; one unmeasured round first puts them in the page cache.

#include "support/samples.h"
#include "support/toolrun.h"
#include "trigger/triggerrecord.h"
#include "trigger/triggertypes.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>


namespace {

using pellax::bench::quantile;

constexpr int kTriggers = 2000;
constexpr int kRounds = 15;

QTemporaryDir* g_dir = nullptr;

std::string inDir(const char* name) { return QFile::encodeName(g_dir->filePath(QLatin1StringView(name))).toStdString(); }

template <class Slot>
void fill(Slot& slot, std::span<const pellax::SlotType> types, const pellax::SlotField& typeField,
          const pellax::SlotField& flagsField, std::mt19937& random) {
    const pellax::SlotType& type = types[random() % types.size()];
    slot.setValue(typeField, type.number);
    for (const pellax::TypeArgument& argument : type.arguments())
        slot.setValue(argument.field, argument.kind == pellax::ArgKind::Number ? random() : random() % 240);
    slot.setValue(flagsField, type.flags);
}

QByteArray triggerFile() {
    std::mt19937 random(20240611);
    pellax::TriggerList triggers(kTriggers);
    for (pellax::Trigger& trigger : triggers) {
        trigger.owners[random() % pellax::Trigger::OwnerCount] = 1;
        for (pellax::TriggerCondition& condition : trigger.conditions)
            fill(condition, pellax::conditionTypes(), pellax::cf::Type, pellax::cf::Flags, random);
        for (pellax::TriggerAction& action : trigger.actions)
            fill(action, pellax::actionTypes(), pellax::af::Type, pellax::af::Flags, random);
    }
    return pellax::triggerFileBytes(triggers);
}

struct Step {
    const char* name;
    std::vector<std::string> args;
    std::string output;
};

QByteArray readAll(const std::string& path) {
    QFile file(QFile::decodeName(path.c_str()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_TriggerTextAndJson(benchmark::State& state) {
    const std::string source = inDir("source.trg");
    const std::vector<Step> steps = {
        {"floor", {"--version"}, ""},
        {"show_text", {"trg", "show", source}, inDir("text.txt")},
        {"set_text", {"trg", "set", inDir("from-text.trg"), inDir("text.txt")}, ""},
        {"show_json", {"trg", "show", "--json", source}, inDir("text.json")},
        {"set_json", {"trg", "set", "--json", inDir("from-json.trg"), inDir("text.json")}, ""},
    };
    std::map<std::string, std::vector<double>> wall, cpu;
    try {
        for (const Step& step : steps)  // unmeasured: page cache, dynamic loader, the inputs of set
            pellax::bench::runTool(PELLAX_TOOL, step.args, step.output);
        const QByteArray original = readAll(source);
        if (readAll(inDir("from-text.trg")) != original || readAll(inDir("from-json.trg")) != original)
            throw std::runtime_error("the file did not come back byte for byte");
        for (auto _ : state) {
            double round = 0;
            for (const Step& step : steps) {
                const pellax::bench::ToolRun run = pellax::bench::runTool(PELLAX_TOOL, step.args, step.output);
                wall[step.name].push_back(run.seconds);
                cpu[step.name].push_back(run.cpuSeconds);
                round += run.seconds;
            }
            state.SetIterationTime(round);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    for (const Step& step : steps) {
        const std::vector<double>& w = wall[step.name];
        const std::string name = step.name;
        state.counters[name + "_median_ms"] = quantile(w, 0.5) * 1e3;
        state.counters[name + "_min_ms"] = quantile(w, 0) * 1e3;
        state.counters[name + "_q1_ms"] = quantile(w, 0.25) * 1e3;
        state.counters[name + "_q3_ms"] = quantile(w, 0.75) * 1e3;
        state.counters[name + "_max_ms"] = quantile(w, 1) * 1e3;
        state.counters[name + "_cpu_median_ms"] = quantile(cpu[step.name], 0.5) * 1e3;
    }
    state.counters["text_MB"] = static_cast<double>(readAll(inDir("text.txt")).size()) / 1e6;
    state.counters["json_MB"] = static_cast<double>(readAll(inDir("text.json")).size()) / 1e6;
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
    g_dir = &dir;
    QFile source(dir.filePath(QStringLiteral("source.trg")));
    const QByteArray bytes = triggerFile();
    if (!source.open(QIODevice::WriteOnly) || source.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write the trigger file\n");
        return 1;
    }
    source.close();
    benchmark::RegisterBenchmark("pellax-tool/trg_text_and_json_2000_triggers", BM_TriggerTextAndJson)
        ->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_dir = nullptr;
    return 0;
}
