// Each writer on a full-size world: 1620 provinces (1000 land), 208 nations of up to ten
// provinces each, every nation in the scenario, into a temporary game folder.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

struct QuietDialogs : Dialogs {
    void Error(const std::string&) override { ++errors; }
    void Info(const std::string&) override {}
    Answer Confirm(const std::string&, Buttons) override { return Answer::Ok; }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string&, int, const std::string&) override {}
    int errors = 0;
};

struct GameFolder {
    fs::path path;
    GameFolder() {
        path =
            fs::temp_directory_path() / ("tq3gen-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(path / "Config");
        std::ofstream province(path / "Config" / "TQ3GenerFixedProvince.csv", std::ios::binary);
        province << "header;tail\r\n";
        for (int p = 0; p <= 1620 + 27; ++p) province << "0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\r\n";
        std::ofstream country(path / "Config" / "TQ3GenerFixedCountry.csv", std::ios::binary);
        for (int n = 0; n < 40; ++n)
            country << "REB;red;red;western;REB;REB;REB;REB;5;5;5;5;5;5;5;5;0;X\r\n";
    }
    ~GameFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

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
        v.Terrain = static_cast<int8_t>(p <= 1000 ? p % 5 : Sea);
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
    GameFolder folder;
    auto world = FullWorld(folder.path.string());
    Random random(42);
    QuietDialogs dialogs;
    for (auto _ : state) write(*world, random, dialogs);
    if (dialogs.errors) state.SkipWithError("a writer reported an error");
}

void BM_ProvinceTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random&, Dialogs& d) { WriteProvinceTable(w, d); });
}
void BM_CountryTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random& r, Dialogs& d) { WriteCountryTable(w, r, d); });
}
void BM_ScenarioFile(benchmark::State& state) {
    RunWriter(state, [](World& w, Random& r, Dialogs& d) { WriteScenarioFile(w, r, d); });
}
void BM_RevoltTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random&, Dialogs& d) { WriteRevoltTable(w, d); });
}
void BM_GoodsTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random& r, Dialogs& d) { WriteGoodsTable(w, r, d); });
}
void BM_TaxStabilityTable(benchmark::State& state) {
    RunWriter(state, [](World& w, Random&, Dialogs& d) { WriteTaxStabilityTable(w, d); });
}

}  // namespace

BENCHMARK(BM_ProvinceTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountryTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScenarioFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RevoltTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoodsTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TaxStabilityTable)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
