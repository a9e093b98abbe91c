// Each writer on a full-size world: 1620 provinces (1000 land), 208 nations of up to ten
// provinces each, every nation in the scenario, with the draws the run makes before it.

#include <benchmark/benchmark.h>

#include <memory>

#include "base/Random.h"
#include "engine/ScenarioDraws.h"
#include "engine/World.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"

using namespace tq3;

namespace {

// The fixed tables the province and country writers append.
std::string FixedProvince() {
    std::string text = "header;tail\r\n";
    for (int p = 0; p <= 1620 + 27; ++p) text += "0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\r\n";
    return text;
}
std::string FixedCountry() {
    std::string text;
    for (int n = 0; n < 40; ++n)
        text += "REB;red;red;western;REB;REB;REB;REB;5;5;5;5;5;5;5;5;0;X\r\n";
    return text;
}

std::unique_ptr<World> FullWorld(const std::string& folder) {
    auto world = std::make_unique<World>();
    World& w = *world;
    TGeneratorSettings& s = w.Settings;
    w.ProgramFolder = folder;
    s.ProvinceCount = 1620;
    for (int i = 0; i < 11; ++i) s.ReligNames[i] = "religion" + std::to_string(i + 1);
    for (int i = 0; i < 120; ++i) s.CultureNames[i] = "culture" + std::to_string(i + 1);
    for (int i = 0; i < 20; ++i) s.GoodsNames[i] = "goods" + std::to_string(i + 1);
    for (int i = 0; i < 23; ++i) s.ColorNames[i] = "colour" + std::to_string(i + 1);
    s.TechGroupNames = {"western", "eastern", "muslim", "ottoman", "new world"};
    for (int p = 0; p <= 1620; ++p) {
        TProvince& v = w.Provinces[p];
        v.Name = "Province " + std::to_string(p);
        v.Terrain = p <= 1000 ? static_cast<TerrainCode>(p % 5) : TerrainCode::Sea;
        v.IsCoastal = p % 3 == 0;
        v.SeaZone = static_cast<int16_t>(v.IsCoastal ? 1001 + p % 600 : 0);
        v.Religion = static_cast<int8_t>(p % 11);
        v.Culture = static_cast<int16_t>(p % 120);
        v.Goods = static_cast<int8_t>(p % 21);
        v.NativeCombat = static_cast<uint8_t>(p % 50);
    }
    w.NationsLoaded = 208;
    for (int n = 1; n <= 208; ++n) {
        TNation& t = w.Nations[n];
        t.Tag = "N" + std::to_string(n);
        t.Religion = static_cast<int8_t>(1 + n % 11);
        t.TechGroup = static_cast<int8_t>(1 + n % 5);
        t.Size = 10;
        t.Cultures[1] = static_cast<int16_t>(1 + n % 120);
        t.Specifics = static_cast<uint32_t>(n * 2654435761u);
        t.HasSeaAccess = true;
        t.AiFile = "nation.ai";
        const int size = 1 + n % 10;
        for (int k = 1; k <= size; ++k)
            t.OwnedProvinces[k] = static_cast<int16_t>(1 + (n * 4 + k) % 1000);
        t.SizeShortfall = static_cast<int16_t>(10 - size);
        for (int k = 1; k <= 5; ++k) t.KnownExtra[k] = static_cast<int16_t>(1001 + (n + k) % 600);
        if (n % 26 == 0) w.MajorNations.set(static_cast<std::size_t>(n));
    }
    s.ScenarioFileName = "Bench";
    s.ScenarioName = "Bench";
    s.StartYear = 1492;
    s.EndYear = 1792;
    s.GeneratorMode = 2;  // province overrides too
    s.NationCount = 208;
    s.CoTCount = 30;
    s.IsNationSpecifics = true;
    s.WorldIsExplored = true;
    for (int p = 1; p <= 1620; ++p) w.ExploredWorldList += std::to_string(p) + " ";
    s.StartingArmy = 10;
    s.StartingNavy = 10;
    s.StartingFunds = 1000;
    s.RandomizeDP = true;
    s.RandomizeGoodsValues = true;
    s.GoodsValueModifier = 3;
    s.TaxStabilImpact = 2;
    s.TaxValue = 3;
    return world;
}

template <class Write>
void RunWriter(benchmark::State& state, Write write) {
    auto world = FullWorld("");
    Random random(42);
    for (auto _ : state) benchmark::DoNotOptimize(write(*world, random));
}

void BM_ProvinceTable(benchmark::State& state) {
    const std::string fixed = FixedProvince();
    RunWriter(state, [&](World& w, Random&) { return ProvinceTableText(w, fixed); });
}
void BM_CountryTable(benchmark::State& state) {
    const std::string fixed = FixedCountry();
    RunWriter(state, [&](World& w, Random& r) {
        DrawPolicies(w, r);
        return CountryTableText(w, fixed);
    });
}
void BM_ScenarioFile(benchmark::State& state) {
    RunWriter(state, [](World& w, Random& r) {
        DrawScenarioValues(w, r);
        return ScenarioText(w);
    });
}
void BM_RevoltTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random&) { return RevoltTableText(w); });
}
void BM_GoodsTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random& r) {
        DrawGoodsPrices(w, r);
        return GoodsTableText(w);
    });
}
void BM_TaxStabilityTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random&) { return TaxStabilityTableText(w); });
}

}  // namespace

BENCHMARK(BM_ProvinceTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountryTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScenarioFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RevoltTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoodsTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TaxStabilityTable)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
