// Exec to first painted maximized window, the program against a bare Qt main
// window with one label, and their peak memory. Needs a display with a window
// manager (run-all.sh provides one); run with random interleaving so that the
// two alternate.
#include <benchmark/benchmark.h>
#include <cerrno>
#include <cstdio>
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

// Runs the probe once: seconds from spawn to its first paint, and its peak RSS in MB.
bool runProbe(const char *probe, double &seconds, double &peakMb)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, QUILLMERE_DATA_DIR);
    char *argv[] = {const_cast<char *>(probe), nullptr};

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
    if (got <= 0)
        return false;
    seconds = double(std::stoll(line) - started) / 1e9;
    peakMb = double(usage.ru_maxrss) / 1024.0;
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
