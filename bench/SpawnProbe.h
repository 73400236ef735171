#pragma once

// Starts a probe program and reads the one line it prints once it has
// painted: the start-up and document benchmarks both time the program so.
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

inline long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct ProbeOutput {
    long long startedNs = 0; // the monotonic clock just before the spawn
    std::string line;        // what the probe printed
    rusage usage{};          // the probe's, once it has ended
};

// Runs the probe in the folder with the arguments; false when it could not be
// started or printed nothing within the time given, after which it is killed.
inline bool spawnProbe(const char *probe, const char *folder, std::initializer_list<const char *> arguments,
                       ProbeOutput &output, int timeoutMs = 30000)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder);
    std::vector<char *> argv{const_cast<char *>(probe)};
    for (const char *argument : arguments)
        argv.push_back(const_cast<char *>(argument));
    argv.push_back(nullptr);

    output.startedNs = monotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    char line[128] = {};
    ssize_t got = 0;
    pollfd ready{out[0], POLLIN, 0};
    if (poll(&ready, 1, timeoutMs) == 1)
        got = read(out[0], line, sizeof line - 1);
    else
        kill(pid, SIGKILL);
    close(out[0]);
    int status = 0;
    wait4(pid, &status, 0, &output.usage);
    output.line = got > 0 ? std::string(line, std::size_t(got)) : std::string();
    return got > 0;
}

// What a start probe (start_probe.cpp) reports, read from its line:
//   <paint ns> <command ns> <window|box> <peak kB> <renditions decoded>
// An older build's probe prints less: only "<paint ns>", or the first four.
// What it leaves out stays unknown here.
struct ProbeReport {
    ProbeOutput output;
    int fields = 0; // how many of the five the probe printed
    long long paintNs = 0;
    long long commandNs = 0; // 0 when no command opened the window timed
    std::string painted;     // "window" or "box"; empty when not reported
    long peakKb = -1;        // -1 when not reported
    int renditions = -1;     // -1 when not reported

    // From the start of the process, or from the command when there was one, to the paint.
    double seconds() const { return double(paintNs - (commandNs ? commandNs : output.startedNs)) / 1e9; }
    bool peakReported() const { return peakKb >= 0; }
    // The probe's peak as it read it; from its rusage when it did not report it,
    // which also counts the spawner's own memory from before the exec.
    double peakMb() const { return peakReported() ? double(peakKb) / 1024.0 : double(output.usage.ru_maxrss) / 1024.0; }
    // The probe's processor time, user and system, until it left.
    double cpuMs() const
    {
        const rusage &usage = output.usage;
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
};

// Runs a start probe as spawnProbe does and reads its report; false when it
// printed no line beginning with the paint time.
inline bool runStartProbe(const char *probe, const char *folder, std::initializer_list<const char *> arguments,
                          ProbeReport &report)
{
    report = ProbeReport{};
    if (!spawnProbe(probe, folder, arguments, report.output))
        return false;
    char painted[16] = {};
    report.fields = std::sscanf(report.output.line.c_str(), "%lld %lld %15s %ld %d", &report.paintNs, &report.commandNs,
                                painted, &report.peakKb, &report.renditions);
    if (report.fields < 4) {
        // Only the paint time is understood from a line this short.
        report.commandNs = 0;
        report.peakKb = -1;
    } else {
        report.painted = painted;
    }
    return report.fields >= 1;
}
