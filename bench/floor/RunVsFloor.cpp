// Times two commands run by run in alternation and prints the median of each and the median
// of the ratios of neighbouring runs, with its quartiles as the spread. Wall time and the
// CPU time of the child (user + system) are both reported.
//
// usage: run_vs_floor RUNS NAME_A NAME_B -- COMMAND_A... -- COMMAND_B...
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Cost {
    double wall = 0;  // milliseconds
    double cpu = 0;   // milliseconds, user + system
};

double Milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Runs the command once with its output thrown away; exits when it fails.
Cost RunOnce(std::vector<char*>& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, command[0], &actions, nullptr, command.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", command[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command[0]);
        std::exit(1);
    }
    Cost cost;
    cost.wall = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    cost.cpu = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
    return cost;
}

// The value at fraction q of the sorted values.
double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const std::size_t at =
        static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

void Report(const char* what, const char* nameA, const char* nameB, const std::vector<double>& a,
            const std::vector<double>& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < a.size(); ++i) ratios.push_back(a[i] / b[i]);
    std::printf(
        "%-5s %-10s median %7.3f ms   %-10s median %7.3f ms   ratio median %.2f "
        "(quartiles %.2f..%.2f)\n",
        what, nameA, Quantile(a, 0.5), nameB, Quantile(b, 0.5), Quantile(ratios, 0.5),
        Quantile(ratios, 0.25), Quantile(ratios, 0.75));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 7 || std::string(argv[4]) != "--") {
        std::fputs("usage: run_vs_floor RUNS NAME_A NAME_B -- COMMAND_A... -- COMMAND_B...\n",
                   stderr);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<char*> commandA, commandB;
    int i = 5;
    for (; i < argc && std::string(argv[i]) != "--"; ++i) commandA.push_back(argv[i]);
    for (++i; i < argc; ++i) commandB.push_back(argv[i]);
    if (runs < 1 || commandA.empty() || commandB.empty()) {
        std::fputs("run_vs_floor: RUNS must be positive and both commands given\n", stderr);
        return 2;
    }
    commandA.push_back(nullptr);
    commandB.push_back(nullptr);

    // One untimed run of each warms the file cache.
    RunOnce(commandA);
    RunOnce(commandB);
    std::vector<double> wallA, wallB, cpuA, cpuB;
    for (int r = 0; r < runs; ++r) {
        // Alternate which goes first, so neither always follows the other.
        const bool aFirst = r % 2 == 0;
        const Cost first = RunOnce(aFirst ? commandA : commandB);
        const Cost second = RunOnce(aFirst ? commandB : commandA);
        const Cost& a = aFirst ? first : second;
        const Cost& b = aFirst ? second : first;
        wallA.push_back(a.wall);
        wallB.push_back(b.wall);
        cpuA.push_back(a.cpu);
        cpuB.push_back(b.cpu);
    }
    Report("wall", argv[2], argv[3], wallA, wallB);
    Report("cpu", argv[2], argv[3], cpuA, cpuB);
    return 0;
}
