// Every writer's output for the hand-made world, compared byte for byte with the files in
// tests/data/golden, which were written by hand from the game's file formats.

#include <filesystem>

#include "GoldenWorld.h"
#include "TestSupport.h"
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
    RecordingDialogs dialogs;

    void SetUp() override {
        BuildGoldenWorld(*world, dir.str());
        fs::create_directories(dir.path / "Config");
        fs::copy_file(kGolden / "TQ3GenerFixedProvince.csv",
                      dir.path / "Config" / "TQ3GenerFixedProvince.csv");
        fs::copy_file(kGolden / "TQ3GenerFixedCountry.csv",
                      dir.path / "Config" / "TQ3GenerFixedCountry.csv");
    }
    void ExpectSame(const fs::path& written, const char* golden) {
        EXPECT_EQ(ReadFile(written), ReadFile(kGolden / golden)) << golden;
        EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
    }
};
}  // namespace

TEST_F(GoldenFiles, ProvinceTable) {
    WriteProvinceTable(*world, dialogs);
    ExpectSame(dir.path / "DB" / "province.csv", "province.csv");
    EXPECT_EQ(dialogs.progress, (std::vector<int>{8, 10, 14}));
}

TEST_F(GoldenFiles, CountryTable) {
    ScriptedRandom random;
    WriteCountryTable(*world, random, dialogs);
    ExpectSame(dir.path / "DB" / "country.csv", "country.csv");
    EXPECT_TRUE(random.asked.empty());
}

TEST_F(GoldenFiles, RevoltTable) {
    WriteRevoltTable(*world, dialogs);
    ExpectSame(dir.path / "DB" / "Revolt.txt", "Revolt.txt");
}

TEST_F(GoldenFiles, GoodsTable) {
    // One draw per goods except code 5, in ascending order: 5 keeps a value, 10 adds 5,
    // 0 takes 5 away, 3 takes 2 away.
    ScriptedRandom random{5, 10, 0, 5, 5, 3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0};
    WriteGoodsTable(*world, random, dialogs);
    ExpectSame(dir.path / "DB" / "Goods.csv", "Goods.csv");
    EXPECT_EQ(random.asked, std::vector<int>(19, 11));
    EXPECT_FALSE(random.outOfRange);
}

TEST_F(GoldenFiles, TaxStabilityTable) {
    WriteTaxStabilityTable(*world, dialogs);
    ExpectSame(dir.path / "DB" / "tax_stab.csv", "tax_stab.csv");
}

TEST_F(GoldenFiles, ScenarioFile) {
    // The random centre pass draws nation 2 (has one already), then nation 3; then one death
    // year per leader in block order: BBB, AAA (conquistador, explorer), CCC, DDD.
    ScriptedRandom random{1, 2, 7, 0, 29, 18, 3};
    const std::vector<int> centres = WriteScenarioFile(*world, random, dialogs);
    ExpectSame(dir.path / "Scenarios" / "Golden.tqg", "Golden.tqg");
    EXPECT_EQ(random.asked, (std::vector<int>{3, 3, 30, 30, 30, 30, 30}));
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(centres, (std::vector<int>{2, 3}));
}
