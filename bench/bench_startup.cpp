// Exec to first painted maximized window, the program against a bare Qt main
// window with one label, and their peak memory. Needs a display with a window
// manager (run-all.sh provides one); run with random interleaving so that the
// two alternate.
#include "SpawnProbe.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// Runs the probe once: seconds from spawn to its first paint, and its peak RSS in MB.
bool runProbe(const char *probe, double &seconds, double &peakMb)
{
    ProbeOutput output;
    if (!spawnProbe(probe, QUILLMERE_DATA_DIR, {}, output))
        return false;
    seconds = double(std::stoll(output.line) - output.startedNs) / 1e9;
    peakMb = double(output.usage.ru_maxrss) / 1024.0;
    return true;
}

void BM_StartToFirstPaint(benchmark::State &state, const char *probe)
{
    double peak = 0;
    for (auto _ : state) {
        double seconds = 0;
        if (!runProbe(probe, seconds, peak)) {
            state.SkipWithError("the probe did not paint");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MB"] = peak;
}

} // namespace

BENCHMARK_CAPTURE(BM_StartToFirstPaint, quillmere, QUILLMERE_PROBE)
    ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartToFirstPaint, bare_qmainwindow, BARE_PROBE)
    ->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
