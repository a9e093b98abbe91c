// The demo game folder: written by the demo-world tool, it must load without a single
// problem, keep the invariants the generation steps rely on, and run as it is.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "config/Adjacency.h"
#include "config/SettingsFile.h"
#include "engine/World.h"
#include "session/ConfigCheck.h"

using namespace tq3;

#ifndef TQ3_DEMO_WORLD
#define TQ3_DEMO_WORLD TQ3_BINARY_DIR "/tools/demo-world/demo-world"
#endif

namespace fs = std::filesystem;

namespace {

const char* const kFiles[] = {"Config/TQ3Gener.csv",
                              "Config/TQ3GenerProvince.csv",
                              "Config/TQ3GenerCountry.csv",
                              "Config/TQ3GenerAdjIndex.tbl",
                              "Config/TQ3GenerAdjDataOrig.tbl",
                              "Config/TQ3GenerAdjData.tbl",
                              "Config/TQ3GenerFixedProvince.csv",
                              "Config/TQ3GenerFixedCountry.csv",
                              "DB/Province.csv",
                              "DB/DiplomaticMatrix.csv",
                              "DB/Country.csv",
                              "DB/Revolt.txt",
                              "DB/Goods.csv",
                              "DB/tax_stab.csv"};

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

int RunTool(const std::string& folder) {
    return std::system((Quote(TQ3_DEMO_WORLD) + " " + Quote(folder) + " > /dev/null").c_str());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    return lines;
}

std::vector<std::string> Fields(const std::string& line, char separator = ';') {
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator)) out.push_back(field);
    if (!line.empty() && line.back() == separator) out.push_back("");
    return out;
}

// Links of the raw tables: province p's list, sea zones included, 0 where a link is left out.
std::vector<std::vector<int>> RawLists(const std::string& folder, const char* data) {
    const std::string index = test::ReadFile(fs::path(folder) / "Config/TQ3GenerAdjIndex.tbl");
    const std::string records = test::ReadFile(fs::path(folder) / "Config" / data);
    auto at = [](const std::string& bytes, int record) {
        return static_cast<int16_t>(static_cast<uint8_t>(bytes[4 * record]) |
                                    static_cast<uint8_t>(bytes[4 * record + 1]) << 8);
    };
    std::vector<std::vector<int>> lists(MaxProvinceSlots);
    for (int p = 0; p <= MaxProvinceNumber; ++p)
        for (int r = at(index, p); r < at(index, p + 1); ++r) lists[p].push_back(at(records, r));
    return lists;
}

template <std::size_t N>
bool Names(const std::array<std::string, N>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

class DemoWorldTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new test::TempDir;
        ASSERT_EQ(RunTool(folder_->str()), 0);
        world_ = test::NewWorld().release();
        world_->ProgramFolder = folder_->str();
        test::RecordingDialogs dialogs;
        CheckConfiguration(*world_, dialogs);
        loadMessages_ = new std::vector<std::string>(dialogs.errors);
        loadMessages_->insert(loadMessages_->end(), dialogs.problems.begin(),
                              dialogs.problems.end());
        loadMessages_->insert(loadMessages_->end(), dialogs.infos.begin(), dialogs.infos.end());
    }
    static void TearDownTestSuite() {
        delete world_;
        delete loadMessages_;
        delete folder_;
    }
    static std::string Path(const std::string& rel) { return (fs::path(folder_->str()) / rel); }
    static const World& W() { return *world_; }

    static test::TempDir* folder_;
    static World* world_;
    static std::vector<std::string>* loadMessages_;
};
test::TempDir* DemoWorldTest::folder_ = nullptr;
World* DemoWorldTest::world_ = nullptr;
std::vector<std::string>* DemoWorldTest::loadMessages_ = nullptr;

TEST_F(DemoWorldTest, WritesEveryFileAsEightBitCrLfText) {
    for (const char* rel : kFiles) {
        SCOPED_TRACE(rel);
        ASSERT_TRUE(fs::exists(Path(rel)));
        const std::string bytes = test::ReadFile(Path(rel));
        ASSERT_FALSE(bytes.empty());
        if (fs::path(rel).extension() == ".tbl") {
            EXPECT_EQ(bytes.size() % 4, 0u);
            continue;
        }
        // Every line ends with CR LF, the last one included.
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "offset " << i;
            }
    }
    EXPECT_TRUE(fs::is_directory(Path("Scenarios")));
    EXPECT_TRUE(fs::is_empty(Path("Scenarios")));
    // A few names carry the Latin-1 letters of the game's own data.
    const std::string names = test::ReadFile(Path("Config/TQ3GenerProvince.csv"));
    EXPECT_NE(names.find('\xE9'), std::string::npos);
    EXPECT_NE(names.find('\xF6'), std::string::npos);
}

TEST_F(DemoWorldTest, LoadsAndChecksWithoutAnyMessage) {
    EXPECT_TRUE(loadMessages_->empty()) << ::testing::PrintToString(*loadMessages_);
    const TGeneratorSettings& s = W().Settings;
    EXPECT_EQ(W().ProvinceCount(), 1620);
    EXPECT_GE(W().LandProvinceCount, 950);
    EXPECT_LE(W().LandProvinceCount, 1050);
    EXPECT_GE(W().NationsLoaded, 150);
    EXPECT_LE(W().NationsLoaded, 208);
    // A default run can neither hang nor refuse to start.
    EXPECT_EQ(s.GeneratorMode, 0);
    EXPECT_FALSE(s.EditorEnabled);
    EXPECT_EQ(s.ScenarioFileName, "Random");
    EXPECT_GE(s.NationCount, 1);
    EXPECT_LE(s.NationCount, W().NationsLoaded);
    EXPECT_GE(s.MajorCount, 1);
    EXPECT_LE(s.MajorCount, 8);
    EXPECT_GE(s.RandomStartLoc, 1);
    EXPECT_LE(s.RandomStartLoc, 5);
    // The religion quotas fit the land.
    int quota = 0;
    for (int16_t q : s.ReligProb) quota += q;
    EXPECT_NEAR(quota, W().LandProvinceCount, 50);
}

TEST_F(DemoWorldTest, AdjacencyIsSymmetricWithAtMostEightLandNeighbours) {
    const auto map = RawLists(folder_->str(), "TQ3GenerAdjDataOrig.tbl");
    const auto placement = RawLists(folder_->str(), "TQ3GenerAdjData.tbl");
    EXPECT_TRUE(map[0].empty());
    int straits = 0;
    for (int p = 1; p <= 1620; ++p) {
        SCOPED_TRACE(p);
        int land = 0;
        ASSERT_EQ(map[p].size(), placement[p].size());
        for (std::size_t k = 0; k < map[p].size(); ++k) {
            const int q = map[p][k];
            ASSERT_GE(q, 1);
            ASSERT_LE(q, 1620);
            ASSERT_NE(q, p);
            EXPECT_EQ(std::count(map[q].begin(), map[q].end(), p), 1) << "link to " << q;
            land += W().IsLand(p) && W().IsLand(q);
            // The placement table keeps a link or leaves out a strait between continents.
            if (placement[p][k] != q) {
                EXPECT_EQ(placement[p][k], 0);
                EXPECT_NE(W().ContinentName(p), W().ContinentName(q));
                ++straits;
            }
        }
        EXPECT_LE(land, 8);
        if (!W().IsLand(p)) {
            EXPECT_EQ(land, 0);
        }
        // The loaded table (the map table) holds exactly the land links, all of them land.
        int loaded = 0;
        for (int s = 1; s <= NeighbourSlots && W().Neighbours[p][s] != 0; ++s, ++loaded)
            EXPECT_TRUE(W().IsLand(W().Neighbours[p][s]));
        EXPECT_EQ(loaded, land);
        EXPECT_EQ(W().Neighbours[p][NeighbourSlots], 0);
    }
    EXPECT_GT(straits, 0);
}

TEST_F(DemoWorldTest, CoastsOpenIntoSeaZones) {
    int coastal = 0;
    for (int p = 1; p <= 1620; ++p) {
        const TProvince& pr = W().Provinces[p];
        SCOPED_TRACE(p);
        if (pr.IsSea()) {
            EXPECT_EQ(pr.SeaZone, 0);
            EXPECT_EQ(pr.Owner, 0);
            continue;
        }
        ASSERT_TRUE(pr.IsLand());
        EXPECT_EQ(pr.IsCoastal, pr.SeaZone != 0);
        if (pr.SeaZone != 0) {
            ++coastal;
            EXPECT_TRUE(W().Provinces[pr.SeaZone].IsSea());
        }
        EXPECT_NE(pr.Culture, 0);
        EXPECT_NE(pr.Religion, 0);
        EXPECT_NE(pr.Area, 0);
        EXPECT_NE(pr.Continent, 0);
        EXPECT_GE(pr.Climate, 0);
        EXPECT_LE(pr.Climate, 8);
    }
    EXPECT_GT(coastal, 300);
}

TEST_F(DemoWorldTest, FixedProvinceNumbersLieWherePlacementExpectsThem) {
    EXPECT_TRUE(W().Provinces[171].IsSea());
    EXPECT_TRUE(W().Provinces[173].IsSea());
    EXPECT_TRUE(W().IsLand(398));
    for (auto [lo, hi] : {std::pair{262, 287}, std::pair{446, 465}, std::pair{578, 642}})
        for (int p = lo; p <= hi; ++p) {
            SCOPED_TRACE(p);
            EXPECT_TRUE(W().IsLand(p));
            EXPECT_TRUE(IsAsian(W(), p));
            EXPECT_TRUE(W().Provinces[p].Climate == 0 || W().Provinces[p].Climate == 7);
        }
    const TGeneratorSettings& s = W().Settings;
    ASSERT_GE(s.EuropeRangeMin, 1);
    ASSERT_LE(s.NearEastRangeMax, 1620);
    for (int p = s.EuropeRangeMin; p <= s.NearEastRangeMax; ++p) {
        SCOPED_TRACE(p);
        EXPECT_TRUE(W().IsLand(p));
        const bool europe = p <= s.EuropeRangeMax;
        EXPECT_TRUE(europe ? IsEuropean(W(), p)
                           : W().ContinentName(p) == "Asia" || IsEuropean(W(), p));
    }
    ASSERT_LE(s.NorthAfricaRangeMin, s.NorthAfricaRangeMax);
    for (int p = s.NorthAfricaRangeMin; p <= s.NorthAfricaRangeMax; ++p) {
        EXPECT_TRUE(W().IsLand(p));
        EXPECT_EQ(W().ContinentName(p), "Africa");
    }
    ASSERT_LE(s.IslandsRangeMin, s.IslandsRangeMax);
    for (int p = s.IslandsRangeMin; p <= s.IslandsRangeMax; ++p) EXPECT_TRUE(W().IsLand(p));
    for (int p = s.MediterraneanRangeMin; p <= s.MediterraneanRangeMax; ++p)
        EXPECT_EQ(W().AreaName(p), "Mediterranean");
    // Continents are the five the engine knows.
    std::set<std::string> continents;
    for (int p = 1; p <= 1620; ++p)
        if (W().IsLand(p)) continents.insert(W().ContinentName(p));
    EXPECT_EQ(continents,
              (std::set<std::string>{"Africa", "America", "Asia", "Europe", "Oceania"}));
}

TEST_F(DemoWorldTest, NationsResolveAndStartOnTheirOwnLand) {
    const TGeneratorSettings& s = W().Settings;
    const std::vector<std::string> rows = Lines(test::ReadFile(Path("Config/TQ3GenerCountry.csv")));
    ASSERT_EQ(static_cast<int>(rows.size()), W().NationsLoaded + 2);  // header and END
    EXPECT_EQ(rows.back(), "END");
    std::set<int> starts;
    std::set<std::string> tags;
    std::map<std::string, int> specifics;
    for (int n = 1; n <= W().NationsLoaded; ++n) {
        const TNation& nation = W().Nations[n];
        const std::vector<std::string> f = Fields(rows[n]);
        SCOPED_TRACE(nation.Tag);
        ASSERT_EQ(f.size(), 36u);
        EXPECT_EQ(nation.Tag.size(), 3u);
        EXPECT_TRUE(tags.insert(nation.Tag).second);
        EXPECT_TRUE(Names(s.ColorNames, f[1]));
        EXPECT_TRUE(Names(s.ColorNames, f[2]));
        EXPECT_TRUE(Names(s.TechGroupNames, f[3]));
        EXPECT_TRUE(Names(s.ReligNames, f[18]));
        for (const std::string& c : Fields(f[34], ',')) {
            const bool known =
                std::any_of(s.CultureNames.begin(), s.CultureNames.end(),
                            [&](const std::string& k) { return !k.empty() && k == c; });
            EXPECT_TRUE(known) << c;
        }
        EXPECT_NE(nation.Cultures[1], 0);
        const int start = nation.Capital();
        EXPECT_TRUE(starts.insert(start).second) << start;
        ASSERT_TRUE(W().IsLand(start));
        EXPECT_EQ(W().Provinces[start].Owner, n);
        EXPECT_GE(nation.Size, 1);
        EXPECT_LE(nation.Size, 10);
        for (const std::string& word : Fields(f[35], ',')) ++specifics[word];
        if (nation.Has(SpecPort)) {
            EXPECT_NE(W().Provinces[start].SeaZone, 0);
        }
        if (nation.Has(SpecStartAmerica)) {
            EXPECT_EQ(W().ContinentName(start), "America");
        }
        if (nation.Has(SpecUnknown)) {
            const std::string c = W().ContinentName(start);
            EXPECT_TRUE(c == "America" || c == "Oceania");
        }
        if (nation.Has(SpecStartSiberia)) {
            EXPECT_TRUE((start >= 262 && start <= 287) || (start >= 446 && start <= 465) ||
                        (start >= 578 && start <= 642));
        }
        // The crescent faiths start in Asia or Africa, where placement lets them.
        if (nation.Religion == 6 || nation.Religion == 7) {
            const std::string c = W().ContinentName(start);
            EXPECT_TRUE(c == "Asia" || c == "Africa");
        }
    }
    for (const char* word :
         {"Port", "CoT", "StartSiberia", "StartAmerica", "Unknown", "FixedStartLoc"})
        EXPECT_GT(specifics[word], 0) << word;
    EXPECT_LT(specifics["FixedStartLoc"], 10);
    for (const auto& [word, count] : specifics)
        EXPECT_TRUE(std::any_of(SpecificNames.begin(), SpecificNames.end(),
                                [&](const SpecificName& k) { return word == k.word; }))
            << word;
    // The specified majors are nations of the file.
    std::istringstream majors(s.SpecifiedMajors);
    int count = 0;
    for (std::string tag; std::getline(majors, tag, ';'); ++count)
        EXPECT_TRUE(tags.count(tag)) << tag;
    EXPECT_EQ(count, s.MajorCount);
}

TEST_F(DemoWorldTest, DatabaseFilesMatchTheTemplateAndTheFixedTables) {
    const auto db = Lines(test::ReadFile(Path("DB/Province.csv")));
    const auto fixed = Lines(test::ReadFile(Path("Config/TQ3GenerFixedProvince.csv")));
    ASSERT_EQ(db.size(), 1u + 1621u + 27u);
    ASSERT_EQ(fixed.size(), db.size());
    EXPECT_EQ(db[0], fixed[0]);
    for (std::size_t i = 1; i < db.size(); ++i) {
        // Each line is 25 generated fields and then its fixed line.
        ASSERT_GE(db[i].size(), fixed[i].size());
        EXPECT_EQ(db[i].substr(db[i].size() - fixed[i].size()), fixed[i]) << i;
        EXPECT_EQ(Fields(db[i].substr(0, db[i].size() - fixed[i].size())).size(), 26u) << i;
    }
    EXPECT_EQ(db[2].substr(0, 2), "1;");
    const auto country = Lines(test::ReadFile(Path("DB/Country.csv")));
    const auto fixedCountry = Lines(test::ReadFile(Path("Config/TQ3GenerFixedCountry.csv")));
    EXPECT_EQ(static_cast<int>(country.size()),
              1 + W().NationsLoaded + static_cast<int>(fixedCountry.size()));
    EXPECT_EQ(Lines(test::ReadFile(Path("DB/Goods.csv"))).size(), 22u);
    EXPECT_EQ(Lines(test::ReadFile(Path("DB/tax_stab.csv"))).size(), 8u);
    EXPECT_EQ(Lines(test::ReadFile(Path("DB/Revolt.txt"))).size(), 8u * W().NationsLoaded);
}

TEST_F(DemoWorldTest, SameFolderOnEveryRun) {
    test::TempDir again;
    ASSERT_EQ(RunTool(again.str()), 0);
    for (const char* rel : kFiles)
        EXPECT_EQ(test::ReadFile(fs::path(again.str()) / rel), test::ReadFile(Path(rel))) << rel;
}

// Runs a default generation on a copy of the folder with some settings changed, and counts
// what the province table holds.
struct RunResult {
    int status = -1;
    int frozen = 0, stormy = 0, mountains = 0, marshes = 0, deserts = 0;
    std::map<int, int> climates;
    std::vector<int> terrain = std::vector<int>(MaxProvinceSlots, -1);
    std::vector<std::string> goods = std::vector<std::string>(MaxProvinceSlots);
    int Cold() const {
        const auto count = [&](int c) { return climates.count(c) ? climates.at(c) : 0; };
        return count(0) + count(7);
    }
};

RunResult Generate(const std::string& source, const std::vector<std::string>& sets) {
    test::TempDir copy;
    test::CopyTree(source, copy.path);
    std::string command = "timeout 120 " + Quote(TQ3_EXECUTABLE) +
                          " generate --seed 7 --game-dir " + Quote(copy.str());
    for (const std::string& s : sets) command += " --set " + s;
    RunResult r;
    r.status = std::system((command + " > /dev/null 2>&1").c_str());
    for (const std::string& line : Lines(test::ReadFile(copy.path / "DB/Province.csv"))) {
        const auto f = Fields(line);
        if (f.size() < 25 || f[0] == "Id" || f[0] == "-1" || f[0] == "0") continue;
        const int p = std::atoi(f[0].c_str());
        const int terrain = std::atoi(f[13].c_str());
        if (p >= 1 && p <= MaxProvinceNumber) r.terrain[p] = terrain, r.goods[p] = f[16];
        if (terrain == 5) {
            r.frozen += f[8] == "1";
            r.stormy += f[9] == "1";
        } else {
            r.mountains += terrain == 2;
            r.marshes += terrain == 4;
            r.deserts += terrain == 3;
            ++r.climates[std::atoi(f[7].c_str())];
        }
    }
    return r;
}

TEST_F(DemoWorldTest, DefaultRunCompletesAndWritesTheScenario) {
    test::TempDir copy;
    test::CopyTree(folder_->str(), copy.path);
    const std::string command = "timeout 120 " + Quote(TQ3_EXECUTABLE) +
                                " generate --seed 1 --game-dir " + Quote(copy.str()) +
                                " > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::exists(copy.path / "Scenarios/Random.tqg"));
    EXPECT_TRUE(fs::exists(copy.path / "Backup/Province.csv"));
}

TEST_F(DemoWorldTest, SlidersMakeAVisibleDifference) {
    const std::string folder = folder_->str();
    const RunResult cold = Generate(folder, {"Temperature=-4"});
    const RunResult warm = Generate(folder, {"Temperature=4"});
    ASSERT_EQ(cold.status, 0);
    ASSERT_EQ(warm.status, 0);
    EXPECT_GT(cold.frozen, warm.frozen + 20);
    EXPECT_GT(cold.Cold(), warm.Cold() + 100);

    const RunResult dry = Generate(folder, {"Humidity=-4"});
    const RunResult wet = Generate(folder, {"Humidity=4"});
    EXPECT_GT(wet.stormy, dry.stormy + 20);
    EXPECT_GT(wet.marshes, dry.marshes + 20);
    EXPECT_GT(dry.deserts, wet.deserts + 20);

    // Low diversity grows large regions of one terrain; high diversity ignores the
    // neighbours.
    const auto alike = [&](const RunResult& r) {
        int same = 0;
        for (int p = 1; p <= MaxProvinceNumber; ++p)
            for (int k = 1; k <= NeighbourSlots && W().Neighbours[p][k] != 0; ++k)
                same += r.terrain[p] == r.terrain[W().Neighbours[p][k]];
        return same;
    };
    const RunResult uniform = Generate(folder, {"Diversity=-4"});
    const RunResult diverse = Generate(folder, {"Diversity=4"});
    EXPECT_GT(alike(uniform), alike(diverse) * 3 / 2);

    const RunResult young = Generate(folder, {"Age=-4"});
    const RunResult old = Generate(folder, {"Age=4"});
    EXPECT_GT(young.mountains, 2 * old.mountains);
}

TEST_F(DemoWorldTest, GoodsFollowCoastAndContinent) {
    const RunResult r = Generate(folder_->str(), {});
    ASSERT_EQ(r.status, 0);
    std::map<std::string, std::map<std::string, int>> byContinent;
    for (int p = 1; p <= MaxProvinceNumber; ++p) {
        if (!W().IsLand(p)) continue;
        // Fish needs a coast.
        if (!W().Provinces[p].IsCoastal) {
            EXPECT_NE(r.goods[p], "Fish") << p;
        }
        ++byContinent[W().ContinentName(p)][r.goods[p]];
    }
    // Every continent keeps its own goods: tea and orient goods are Asian, tobacco American,
    // ivory African, and neither tea, ivory nor spices grow in Europe.
    EXPECT_EQ(byContinent["America"]["Tea"] + byContinent["America"]["Orient"], 0);
    EXPECT_EQ(byContinent["Europe"]["Tea"] + byContinent["Europe"]["Ivory"] +
                  byContinent["Europe"]["Spices"],
              0);
    EXPECT_GT(byContinent["Asia"]["Tea"] + byContinent["Asia"]["Orient"], 10);
    EXPECT_GT(byContinent["America"]["Tobbaco"], 10);
    EXPECT_GT(byContinent["Africa"]["Ivory"], 5);
}

}  // namespace
