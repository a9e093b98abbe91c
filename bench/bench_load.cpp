// Loading the demo world's configuration in the process, without the start of a program: the
// whole load as a run does it, each loader on its own, and the review `check` adds to it.

#include <benchmark/benchmark.h>

#include <memory>

#include "BenchDemoWorld.h"
#include "config/Adjacency.h"
#include "config/NationsFile.h"
#include "config/ProvinceTemplate.h"
#include "config/SettingsFile.h"
#include "session/ConfigCheck.h"

using namespace tq3;

namespace {

// A world whose settings are loaded, so that each loader can run on its own.
std::unique_ptr<World> LoadedWorld(benchmark::State& state) {
    const World* demo = bench::DemoWorld();
    if (!demo) {
        state.SkipWithError("build/demo-game is missing");
        return nullptr;
    }
    auto world = std::make_unique<World>();
    world->ProgramFolder = demo->ProgramFolder;
    QuietDialogs quiet;
    LoadSettings(*world, quiet, true);
    return world;
}

void BM_FullLoad(benchmark::State& state) {
    auto world = LoadedWorld(state);
    if (!world) return;
    QuietDialogs quiet;
    for (auto _ : state) benchmark::DoNotOptimize(LoadSettings(*world, quiet, true));
}
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMicrosecond);

void BM_ProvinceTemplate(benchmark::State& state) {
    auto world = LoadedWorld(state);
    if (!world) return;
    QuietDialogs quiet;
    for (auto _ : state) {
        LoadProvinceTemplate(*world, quiet, false, false);
        benchmark::DoNotOptimize(world->LandProvinceCount);
    }
}
BENCHMARK(BM_ProvinceTemplate)->Unit(benchmark::kMicrosecond);

void BM_Nations(benchmark::State& state) {
    auto world = LoadedWorld(state);
    if (!world) return;
    QuietDialogs quiet;
    for (auto _ : state) {
        LoadNations(*world, quiet);
        benchmark::DoNotOptimize(world->NationsLoaded);
    }
}
BENCHMARK(BM_Nations)->Unit(benchmark::kMicrosecond);

void BM_MapAdjacency(benchmark::State& state) {
    auto world = LoadedWorld(state);
    if (!world) return;
    QuietDialogs quiet;
    for (auto _ : state) {
        LoadAdjacency(*world, quiet, true);
        benchmark::DoNotOptimize(world->Neighbours[1][1]);
    }
}
BENCHMARK(BM_MapAdjacency)->Unit(benchmark::kMicrosecond);

// What `check` does after its program has started: the load, the review and the run checks.
void BM_CheckConfiguration(benchmark::State& state) {
    auto world = LoadedWorld(state);
    if (!world) return;
    QuietDialogs quiet;
    for (auto _ : state) CheckConfiguration(*world, quiet);
}
BENCHMARK(BM_CheckConfiguration)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
