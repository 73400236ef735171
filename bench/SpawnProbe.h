#pragma once

// Starts a probe program and reads the one line it prints once it has
// painted: the start-up and document benchmarks both time the program so.
#include <cerrno>
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
