// What the benchmarks share: running a program as a child process with its time and peak
// resident size, warming a file into the page cache, and the median of a set of timings.
#pragma once

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

// Reads a file through once, so that it sits in the page cache.
inline void ReadThrough(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return;
    std::vector<char> buffer(1 << 20);
    while (std::fread(buffer.data(), 1, buffer.size(), file) > 0) {
    }
    std::fclose(file);
}

// A fresh folder under /tmp for a benchmark's files; empty (with the reason printed) when none can
// be made.
inline std::string MakeScratchFolder() {
    char folderTemplate[] = "/tmp/tolvarin-bench-XXXXXX";
    const char* folder = ::mkdtemp(folderTemplate);
    if (!folder) {
        std::perror("mkdtemp");
        return {};
    }
    return folder;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    double cpuSeconds = 0;  // user + system
    double peakMb = 0;
    std::string output;
};

// Runs a program to its end, capturing its standard output, its wall and processor time and its
// peak resident size (the child's own, from wait4).
inline ChildRun RunChild(const std::vector<std::string>& arguments) {
    ChildRun run;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
            run.output.append(buffer, static_cast<size_t>(n));
        int status = 0;
        struct rusage usage {};
        if (::wait4(pid, &status, 0, &usage) == pid) {
            run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            run.cpuSeconds =
                usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
            run.peakMb = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    ::close(pipeEnds[0]);
    return run;
}

// The path of the running benchmark, for its measuring children.
inline std::string SelfPath(const char* fallback) {
    char self[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    return length > 0 ? std::string(self) : std::string(fallback);
}
