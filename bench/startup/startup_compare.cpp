// Starts two programs that report their first painted window (see
// FirstPaintProbe.cpp) by turns, and prints for each the median time from
// starting the program to that paint and the median peak resident memory,
// with the ratios of the first program to the second.
//
//     startup_compare RUNS PROGRAM REFERENCE

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

// A program that has not painted by then is taken to hang.
constexpr int timeoutMs = 30000;

struct Run {
    double startupMs;
    double peakMiB;
};

struct Series {
    std::string name;
    std::vector<Run> runs;
};

// Reads the child's standard output until it closes, within the time limit.
std::string readOutput(int fd, pid_t child) {
    std::string output;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd wanted{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&wanted, 1, static_cast<int>(left.count())) == 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            throw std::runtime_error("no first paint within the time limit");
        }
        std::array<char, 256> buffer{};
        const ssize_t count = read(fd, buffer.data(), buffer.size());
        if (count <= 0)
            return output;
        output.append(buffer.data(), static_cast<size_t>(count));
    }
}

// The steady-clock time of the first paint that the program printed.
Clock::time_point firstPaint(const std::string &output) {
    long long nanoseconds = 0;
    if (std::sscanf(output.c_str(), "first-paint %lld", &nanoseconds) != 1)
        throw std::runtime_error("no first-paint line in the output: " + output);
    return Clock::time_point(std::chrono::nanoseconds(nanoseconds));
}

Run runOnce(const std::string &program) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    std::string argv0 = program;
    char *argv[] = {argv0.data(), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        throw std::runtime_error("cannot start " + program);
    }
    std::string output;
    try {
        output = readOutput(pipeFds[0], child);
    } catch (...) {
        close(pipeFds[0]);
        throw;
    }
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " did not exit cleanly");
    const std::chrono::duration<double, std::milli> startup = firstPaint(output) - start;
    return {startup.count(), usage.ru_maxrss / 1024.0};  // ru_maxrss is in KiB
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double medianOf(const Series &series, double Run::*field) {
    std::vector<double> values;
    for (const Run &run : series.runs)
        values.push_back(run.*field);
    return median(values);
}

std::string baseName(const std::string &path) {
    return path.substr(path.find_last_of('/') + 1);
}

void printRow(const std::string &name, double startup, double memory, const char *format) {
    std::printf("%-22s", name.c_str());
    std::printf(format, startup);
    std::printf(format, memory);
    std::printf("\n");
}

void printComparison(const Series &program, const Series &reference) {
    const double startup = medianOf(program, &Run::startupMs);
    const double memory = medianOf(program, &Run::peakMiB);
    const double referenceStartup = medianOf(reference, &Run::startupMs);
    const double referenceMemory = medianOf(reference, &Run::peakMiB);
    std::printf("%zu runs each, medians\n", program.runs.size());
    std::printf("%-22s%20s%20s\n", "", "first paint (ms)", "peak memory (MiB)");
    printRow(program.name, startup, memory, "%20.1f");
    printRow(reference.name, referenceStartup, referenceMemory, "%20.1f");
    printRow("ratio", startup / referenceStartup, memory / referenceMemory, "%20.2f");
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc != 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM REFERENCE\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Series program{baseName(argv[2]), {}};
    Series reference{baseName(argv[3]), {}};
    try {
        // One run each first, unmeasured, so that both start from warm caches.
        runOnce(argv[2]);
        runOnce(argv[3]);
        // By turns, so that a change in the machine's load hits both alike.
        for (int i = 0; i < runs; ++i) {
            program.runs.push_back(runOnce(argv[2]));
            reference.runs.push_back(runOnce(argv[3]));
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup_compare: %s\n", error.what());
        return 1;
    }
    printComparison(program, reference);
    return 0;
}
