// Every writer's output for the hand-made world, compared byte for byte with the files in
// tests/data/golden, which were written by hand from the game's file formats.

#include <filesystem>

#include "GoldenWorld.h"
#include "TestSupport.h"
#include "engine/ScenarioDraws.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"

using namespace tq3;

namespace fs = std::filesystem;
using namespace test;

namespace {
const fs::path kGolden = fs::path(TQ3_TEST_DATA) / "golden";

struct GoldenFiles : ::testing::Test {
    TempDir dir;
    std::unique_ptr<World> world = NewWorld();

    void SetUp() override { BuildGoldenWorld(*world, dir.str()); }
    void ExpectSame(const std::string& text, const char* golden) {
        EXPECT_EQ(text, ReadFile(kGolden / golden)) << golden;
    }
};
}  // namespace

TEST_F(GoldenFiles, ProvinceTable) {
    std::vector<int> progress;
    ExpectSame(ProvinceTableText(*world, ReadFile(kGolden / "TQ3GenerFixedProvince.csv"),
                                 [&](int position) { progress.push_back(position); }),
               "province.csv");
    EXPECT_EQ(progress, (std::vector<int>{8, 10, 14}));
}

TEST_F(GoldenFiles, CountryTable) {
    ScriptedRandom random;
    DrawPolicies(*world, random);
    ExpectSame(CountryTableText(*world, ReadFile(kGolden / "TQ3GenerFixedCountry.csv")),
               "country.csv");
    EXPECT_TRUE(random.asked.empty());
}

TEST_F(GoldenFiles, RevoltTable) {
    ExpectSame(RevoltTableText(*world), "Revolt.txt");
}

TEST_F(GoldenFiles, GoodsTable) {
    // One draw per goods except code 5, in ascending order: 5 keeps a value, 10 adds 5,
    // 0 takes 5 away, 3 takes 2 away.
    ScriptedRandom random{5, 10, 0, 5, 5, 3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0};
    DrawGoodsPrices(*world, random);
    ExpectSame(GoodsTableText(*world), "Goods.csv");
    EXPECT_EQ(random.asked, std::vector<int>(19, 11));
    EXPECT_FALSE(random.outOfRange);
}

TEST_F(GoldenFiles, TaxStabilityTable) {
    ExpectSame(TaxStabilityTableText(*world), "tax_stab.csv");
}

TEST_F(GoldenFiles, ScenarioFile) {
    // The random centre pass draws nation 2 (has one already), then nation 3; then one death
    // year per leader in block order: BBB, AAA (conquistador, explorer), CCC, DDD.
    ScriptedRandom random{1, 2, 7, 0, 29, 18, 3};
    DrawScenarioValues(*world, random);
    const std::vector<int> centres = world->CentresOfTrade.All();
    ExpectSame(ScenarioText(*world), "Golden.tqg");
    EXPECT_EQ(random.asked, (std::vector<int>{3, 3, 30, 30, 30, 30, 30}));
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(centres, (std::vector<int>{2, 3}));
}
