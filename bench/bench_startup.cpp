// Spawned probes (start_probe.cpp), each run once per repetition: exec to the
// first painted maximized window, the program against a bare Qt main window
// with one label, with their peak memory and the renditions the program had
// decoded by its first paint; and the program's peak memory after dealing a
// whole Celtic Cross and enlarging one card (its probe's "celtic-dealt"; the
// bare probe only shows its window). Needs a display with a window manager
// (run-all.sh provides one); run with random interleaving so that the probes
// alternate.
//
// QUILLMERE_BASELINE_PROBE=<path of another build's quillmere-start-probe>
// adds that probe, so that an older program is measured side by side. A probe
// as old as the one that printed only its paint time still serves for the
// start-up, with its peak taken from its rusage (the label says so); it cannot
// deal a Celtic Cross, and that benchmark says so instead of timing its main
// window.
#include "SpawnProbe.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

struct Scenario {
    const char *name;
    const char *command; // for the program's probes; nullptr for none
};

void BM_Probe(benchmark::State &state, const char *probe, const char *command)
{
    ProbeReport report;
    int mostRenditions = -1;
    for (auto _ : state) {
        const bool ran = command ? runStartProbe(probe, QUILLMERE_DATA_DIR, {command}, report)
                                 : runStartProbe(probe, QUILLMERE_DATA_DIR, {}, report);
        if (!ran) {
            state.SkipWithError("the probe did not paint");
            return;
        }
        if (command && report.commandNs == 0) {
            state.SkipWithError("the probe did not run the command: build it from this tree's bench/ sources");
            return;
        }
        if (report.painted == "box") {
            state.SkipWithError("the program showed an error box instead of its window");
            return;
        }
        mostRenditions = std::max(mostRenditions, report.renditions);
        // The whole run, from the spawn to the report, for every probe alike.
        state.SetIterationTime(double(report.paintNs - report.output.startedNs) / 1e9);
    }
    state.counters["peak_MB"] = report.peakMb();
    if (mostRenditions >= 0)
        state.counters["renditions"] = mostRenditions;
    if (!report.peakReported())
        state.SetLabel("peak from rusage");
}

void registerProbes(const Scenario &scenario)
{
    const struct {
        const char *name;
        const char *path;
        bool takesCommand;
    } probes[] = {
        {"quillmere", QUILLMERE_PROBE, true},
        {"bare_qmainwindow", BARE_PROBE, false},
        {"baseline", std::getenv("QUILLMERE_BASELINE_PROBE"), true},
    };
    for (const auto &probe : probes) {
        if (probe.path && *probe.path)
            benchmark::RegisterBenchmark((std::string(scenario.name) + "/" + probe.name).c_str(), BM_Probe, probe.path,
                                         probe.takesCommand ? scenario.command : nullptr)
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    registerProbes({"StartToFirstPaint", nullptr});
    registerProbes({"CelticDealtAndEnlarged", "celtic-dealt"});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
