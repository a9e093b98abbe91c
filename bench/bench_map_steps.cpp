// The five map steps on a full-size world: 1620 provinces, 1000 of them land on a 40 x 25 grid
// with up to eight neighbours each, every switch of the steps on.

#include <benchmark/benchmark.h>

#include "base/Random.h"
#include "engine/Climate.h"
#include "engine/Goods.h"
#include "engine/MapTestWorld.h"
#include "engine/ProvinceValues.h"
#include "engine/Terrain.h"

using namespace tq3;

namespace {

std::unique_ptr<World> FullWorld() {
    auto world = maptest::GridWorld(40, 25);
    TGeneratorSettings& s = world->Settings;
    s.ProvinceCount = 1620;
    for (int p = 1001; p <= 1620; ++p) world->Provinces[p].Terrain = Sea;
    for (int p = 1; p <= 1000; p += 3) world->Provinces[p].IsCoastal = true;
    s.IsRandomClimate = s.ClimateAffectsSeas = s.IsRandomTerain = true;
    s.IsRandomColonDiff = s.IsRandomTradeNegotiation = s.IsRandomNativTolerance = true;
    s.IsRandomNativPopulation = s.IsRandomNativCombat = true;
    s.IsRandomManpower = s.IsRandomIncome = true;
    s.IsRandomGoods = s.IsGoodsTerrainDependency = s.IsContinentSpecifs = true;
    for (int i = 0; i < 9; ++i)
        for (int c = 0; c < 9; ++c) {
            s.TemperClimateModif[i][c] = 20;
            s.TemperClimateNew[i][c] = static_cast<uint8_t>((c + 1) % 9);
            s.HumidClimateModif[i][c] = 20;
            s.HumidClimateNew[i][c] = static_cast<uint8_t>((c + 8) % 9);
        }
    s.HumidStormModif.fill(50);
    s.TemperIceModif.fill(7);
    s.TerainProbs = {300, 250, 150, 100, 80};
    s.TerainDiversityModif.fill(40);
    s.TerainManpowerModif = {4, 3, 2, 1, 1, 5};
    s.GoodsProb = {50, 40, 60, 30, 50, 10, 90, 20, 40, 30, 20, 30, 20, 40, 30, 40, 30, 40, 50, 60};
    s.GoodsNames[5] = "Gold";
    s.MineValueGenerator = {1, 2, 3, 4, 5, 6, 7};
    s.ContinentNames = {"Europe", "Asia", "Africa", "America", "Oceania"};
    for (int p = 1; p <= 1000; ++p) world->Provinces[p].Continent = static_cast<int8_t>(p % 6);
    return world;
}

void BM_MapSteps(benchmark::State& state) {
    auto world = FullWorld();
    Random random(42);
    for (auto _ : state) {
        GenerateClimate(*world, random);
        GenerateTerrain(*world, random);
        GenerateProvinceValues(*world, random);
        GenerateGoods(*world, random);
        GenerateManpowerIncome(*world, random);
        benchmark::DoNotOptimize(world->Provinces[500].Goods);
    }
}
BENCHMARK(BM_MapSteps)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
