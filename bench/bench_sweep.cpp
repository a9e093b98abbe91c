// The seed sweep on the demo world: one world drawn and measured in memory, side by side with
// one whole `tq3gen generate` process (its CPU time as a child of this one), and whole sweeps
// of 2,000 seeds with one and two workers (worlds per second of wall time).

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchDemoWorld.h"
#include "session/SeedSweep.h"

using namespace tq3;

namespace {
constexpr uint64_t kSweepSeeds = 2000;

const SeedSweep* DemoSweep() {
    static const std::unique_ptr<SeedSweep> sweep =
        bench::DemoWorld() ? std::make_unique<SeedSweep>(*bench::DemoWorld()) : nullptr;
    return sweep.get();
}

double ChildrenCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One world of the sweep: the copy of the loaded world, every draw of a mode-0 run, the
// measures.
void BM_SweepOneWorld(benchmark::State& state) {
    const SeedSweep* sweep = DemoSweep();
    if (!sweep) return state.SkipWithError("no demo world: build the demo-game target");
    auto scratch = std::make_unique<World>();
    uint64_t seed = 1;
    for (auto _ : state) benchmark::DoNotOptimize(sweep->Measure(seed++, *scratch).fairness);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SweepOneWorld)->Unit(benchmark::kMicrosecond);

// One whole `tq3gen generate --mode 0` on a copy of the demo world, as a user runs it: the
// time counted is the process's own CPU time (user and system).
void BM_GenerateProcess(benchmark::State& state) {
    if (!bench::DemoWorld()) return state.SkipWithError("no demo world");
    const std::filesystem::path copy =
        std::filesystem::temp_directory_path() / ("bench_sweep_" + std::to_string(::getpid()));
    std::filesystem::remove_all(copy);
    std::filesystem::copy(TQ3_BINARY_DIR "/demo-game", copy,
                          std::filesystem::copy_options::recursive);
    const std::string command = "'" TQ3_BINARY_DIR "/tq3gen' generate --game-dir '" +
                                copy.string() + "' --mode 0 --seed 1 >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) state.SkipWithError("generate failed");
    for (auto _ : state) {
        const double before = ChildrenCpuSeconds();
        benchmark::DoNotOptimize(std::system(command.c_str()));
        state.SetIterationTime(ChildrenCpuSeconds() - before);
    }
    std::filesystem::remove_all(copy);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateProcess)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A whole sweep of 2,000 seeds with 1 and 2 workers: items per second is worlds per second
// of wall time.
void BM_Sweep2000(benchmark::State& state) {
    const SeedSweep* sweep = DemoSweep();
    if (!sweep) return state.SkipWithError("no demo world");
    const int jobs = static_cast<int>(state.range(0));
    std::atomic<bool> cancel{false};
    double fairest = 0;
    for (auto _ : state)
        sweep->Run(
            1, kSweepSeeds, jobs,
            [&](const SweepRow& row) { fairest = std::max(fairest, row.balance.fairness); },
            cancel);
    benchmark::DoNotOptimize(fairest);
    state.SetItemsProcessed(state.iterations() * kSweepSeeds);
}
BENCHMARK(BM_Sweep2000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
