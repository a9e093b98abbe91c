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

// Times one step again and again on a world whose settings are loaded.
template <class Step>
void TimeOnLoadedWorld(benchmark::State& state, Step step) {
    auto world = LoadedWorld(state);
    if (!world) return;
    QuietDialogs quiet;
    for (auto _ : state) {
        step(*world, quiet);
        benchmark::ClobberMemory();
    }
}

void BM_FullLoad(benchmark::State& state) {
    TimeOnLoadedWorld(state, [](World& w, Dialogs& d) { LoadSettings(w, d, true); });
}
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMicrosecond);

void BM_ProvinceTemplate(benchmark::State& state) {
    TimeOnLoadedWorld(state,
                      [](World& w, Dialogs& d) { LoadProvinceTemplate(w, d, false, false); });
}
BENCHMARK(BM_ProvinceTemplate)->Unit(benchmark::kMicrosecond);

void BM_Nations(benchmark::State& state) {
    TimeOnLoadedWorld(state, [](World& w, Dialogs& d) { LoadNations(w, d); });
}
BENCHMARK(BM_Nations)->Unit(benchmark::kMicrosecond);

void BM_MapAdjacency(benchmark::State& state) {
    TimeOnLoadedWorld(state, [](World& w, Dialogs& d) { LoadAdjacency(w, d, true); });
}
BENCHMARK(BM_MapAdjacency)->Unit(benchmark::kMicrosecond);

// What `check` does after its program has started: the load, the review and the run checks.
void BM_CheckConfiguration(benchmark::State& state) {
    TimeOnLoadedWorld(state, [](World& w, Dialogs& d) { CheckConfiguration(w, d); });
}
BENCHMARK(BM_CheckConfiguration)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
