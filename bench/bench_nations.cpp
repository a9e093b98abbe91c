// Placement and expansion of 208 nations on a 1620-province world: the ordinary case for
// each slider position, and the worst case in which every try of every nation fails and
// each one ends with the last-resort draw.

#include <benchmark/benchmark.h>

#include "engine/Expansion.h"
#include "engine/Majors.h"
#include "engine/NationTestWorld.h"
#include "engine/Placement.h"

using namespace tq3;

namespace {
enum class Tries { Ordinary, AllFail };

std::unique_ptr<World> BenchWorld(int randomStartLoc, Tries tries) {
    auto world = nationtest::LargeWorld(42);
    world->Settings.RandomStartLoc = static_cast<int8_t>(randomStartLoc);
    world->Settings.NationCount = 208;
    if (tries == Tries::AllFail) {
        // Muslim nations on a map without Asia or Africa: rule 6 turns every candidate down.
        world->Settings.ContinentNames[2] = "Orient";
        world->Settings.ContinentNames[3] = "South";
        for (int n = 1; n <= world->NationsLoaded; ++n) {
            world->Nations[n].Religion = 6;
            world->Nations[n].Specifics &= ~(SpecFixedStartLoc | SpecStartSiberia);
        }
    }
    Random random(1);
    SelectMajors(*world, random);
    return world;
}

void PlaceAndExpand(benchmark::State& state, Tries tries) {
    const auto start = BenchWorld(static_cast<int>(state.range(0)), tries);
    auto world = std::make_unique<World>(*start);
    Random random(7);
    for (auto _ : state) {
        state.PauseTiming();
        world->Provinces = start->Provinces;
        world->Nations = start->Nations;
        state.ResumeTiming();
        PlaceNations(*world, random);
        ExpandNations(*world);
        benchmark::DoNotOptimize(world->Nations[1].OwnedProvinces[1]);
    }
}

void BM_PlaceAndExpand(benchmark::State& state) {
    PlaceAndExpand(state, Tries::Ordinary);
}
void BM_PlaceAndExpandAllTriesFail(benchmark::State& state) {
    PlaceAndExpand(state, Tries::AllFail);
}

void BM_ExpandOnly(benchmark::State& state) {
    const auto start = BenchWorld(0, Tries::Ordinary);
    auto world = std::make_unique<World>(*start);
    for (auto _ : state) {
        state.PauseTiming();
        world->Provinces = start->Provinces;
        world->Nations = start->Nations;
        state.ResumeTiming();
        ExpandNations(*world);
        benchmark::DoNotOptimize(world->Nations[1].OwnedProvinces[2]);
    }
}
}  // namespace

BENCHMARK(BM_PlaceAndExpand)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlaceAndExpandAllTriesFail)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpandOnly)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
