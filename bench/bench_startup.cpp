// Spawned probes (start_probe.cpp), each run once per repetition: exec to the
// first painted maximized window, the program against a bare Qt main window
// with one label, with their peak memory and the renditions the program had
// decoded by its first paint; and, with --celtic, the program's peak memory
// after dealing a whole Celtic Cross and enlarging one card. Needs a display
// with a window manager (run-all.sh provides one); run with random
// interleaving so that the probes alternate.
//
// QUILLMERE_BASELINE_PROBE=<path of another build's quillmere-start-probe>
// adds that probe, so that an older program is measured side by side.
#include <benchmark/benchmark.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct ProbeRun {
    double seconds = 0; // spawn to the probe's report
    double peakMb = 0;  // its peak RSS
    int renditions = 0; // renditions decoded by then
};

bool runProbe(const char *probe, const char *mode, ProbeRun &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, QUILLMERE_DATA_DIR);
    char *argv[] = {const_cast<char *>(probe), *mode ? const_cast<char *>(mode) : nullptr, nullptr};

    const long long started = monotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    char line[64] = {};
    const ssize_t got = read(out[0], line, sizeof line - 1);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long reported = 0;
    run.renditions = 0; // an older probe reports no count
    if (got <= 0 || std::sscanf(line, "%lld %d", &reported, &run.renditions) < 1)
        return false;
    run.seconds = double(reported - started) / 1e9;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    return true;
}

void BM_Probe(benchmark::State &state, const char *probe, const char *mode)
{
    ProbeRun run;
    int mostRenditions = 0;
    for (auto _ : state) {
        if (!runProbe(probe, mode, run)) {
            state.SkipWithError("the probe did not paint");
            break;
        }
        mostRenditions = std::max(mostRenditions, run.renditions);
        state.SetIterationTime(run.seconds);
    }
    state.counters["peak_MB"] = run.peakMb;
    state.counters["renditions"] = mostRenditions;
}

void registerProbes(const char *scenario, const char *mode)
{
    const std::pair<const char *, const char *> probes[] = {
        {"quillmere", QUILLMERE_PROBE},
        {"bare_qmainwindow", BARE_PROBE},
        {"baseline", std::getenv("QUILLMERE_BASELINE_PROBE")},
    };
    for (const auto &[name, path] : probes) {
        if (path && *path)
            benchmark::RegisterBenchmark((std::string(scenario) + "/" + name).c_str(), BM_Probe, path, mode)
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    registerProbes("StartToFirstPaint", "");
    registerProbes("CelticDealtAndEnlarged", "--celtic");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
