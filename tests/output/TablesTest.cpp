// The province, country, revolt, goods and tax tables: the rules the golden files do not
// single out.

#include <filesystem>

#include "GoldenWorld.h"
#include "OutputTestSupport.h"
#include "TestSupport.h"
#include "engine/ScenarioDraws.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"

using namespace tq3;

namespace fs = std::filesystem;
using namespace test;

namespace {
struct Tables : ::testing::Test {
    TempDir dir;
    std::unique_ptr<World> world = NewWorld();
    void SetUp() override { BuildGoldenWorld(*world, dir.str()); }
    std::vector<std::string> ProvinceLines() {
        return SplitLines(ProvinceTableText(*world, "header\r\n"));
    }
    // The country table after the policies are drawn, without a fixed table.
    std::vector<std::string> CountryLines(RandomSource& random) {
        DrawPolicies(*world, random);
        return SplitLines(CountryTableText(*world, ""));
    }
    std::vector<std::string> GoodsLines(RandomSource& random) {
        DrawGoodsPrices(*world, random);
        return SplitLines(GoodsTableText(*world));
    }
    // Field f (1-based) of province p's line.
    std::string Field(const std::vector<std::string>& lines, int p, int f) {
        std::string line = lines.at(static_cast<std::size_t>(p) + 1);
        for (int i = 1; i < f; ++i) line = line.substr(line.find(';') + 1);
        return line.substr(0, line.find(';'));
    }
};
}  // namespace

TEST_F(Tables, ProvinceFlagsDependOnTheSea) {
    // Field 9 ice, 10 storm, 11 galleys: ice and storm only at sea, galleys everywhere at sea
    // with UseGalleysAnywhere, on land only where allowed.
    struct Case {
        int terrain;
        bool ice, storm, galleys, anywhere;
        const char* expected;  // fields 9, 10, 11
    } cases[] = {
        {5, true, true, false, true, "111"},   {5, true, false, false, false, "100"},
        {5, false, true, true, false, "011"},  {0, true, true, false, true, "000"},
        {2, false, false, true, false, "001"}, {4, true, true, true, true, "001"},
    };
    for (const Case& c : cases) {
        TProvince& p = world->Provinces[1];
        p.Terrain = static_cast<TerrainCode>(c.terrain);
        p.HasIce = c.ice;
        p.HasStorm = c.storm;
        p.GalleysAllowed = c.galleys;
        world->Settings.UseGalleysAnywhere = c.anywhere;
        const auto lines = ProvinceLines();
        EXPECT_EQ(Field(lines, 1, 9) + Field(lines, 1, 10) + Field(lines, 1, 11), c.expected)
            << c.terrain << c.ice << c.storm << c.galleys << c.anywhere;
    }
}

TEST_F(Tables, GoodsCodeFiveNeverCarriesTheFlagWhateverItsName) {
    world->Settings.GoodsNames[4] = "spices";
    world->Provinces[2].Goods = 5;
    world->Provinces[2].GoodsFlag = true;
    world->Provinces[1].Goods = 15;  // named spices too, flag set
    const auto lines = ProvinceLines();
    EXPECT_EQ(Field(lines, 2, 17) + ";" + Field(lines, 2, 18), "spices;0");
    EXPECT_EQ(Field(lines, 1, 17) + ";" + Field(lines, 1, 18), "spices;1");
}

TEST_F(Tables, NoCultureWritesAztekEverywhere) {
    world->Settings.NoCulture = true;
    const auto lines = ProvinceLines();
    for (int p = 0; p <= 6; ++p) EXPECT_EQ(Field(lines, p, 5), "aztek") << p;
}

TEST_F(Tables, CodesOutsideTheNameListsWriteEmptyNames) {
    world->Provinces[1].Religion = 50;
    world->Provinces[1].Culture = 121;
    world->Provinces[1].Goods = -2;
    const auto lines = ProvinceLines();
    EXPECT_EQ(Field(lines, 1, 4) + "|" + Field(lines, 1, 5) + "|" + Field(lines, 1, 17), "||");
}

TEST_F(Tables, ProvinceProgressOverAFullMap) {
    world->Settings.ProvinceCount = 1620;
    std::vector<int> progress;
    const std::string text = ProvinceTableText(*world, "header\r\n",
                                               [&](int position) { progress.push_back(position); });
    EXPECT_EQ(progress, (std::vector<int>{8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(SplitLines(text).size(), 1u + 1621u + 27u);
}

TEST_F(Tables, CountryTablePolicies) {
    TGeneratorSettings& s = world->Settings;
    // RandomizeDP: eight draws 0..9 per nation, in field order.
    s.RandomizeDP = true;
    ScriptedRandom random{9, 8, 7, 6, 5, 4, 3, 2};
    auto lines = CountryLines(random);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "AAA;red;blue;western;SPA;SPA;SPA;SPA;9;8;7;6;5;4;3;2;0;X");
    EXPECT_EQ(lines[2], "BBB;blue;green;muslim;ARA;ARA;ARA;ARA;0;0;0;0;0;0;0;0;1;X");
    EXPECT_EQ(random.asked, std::vector<int>(32, 10));
    // Defaults for every nation, and AllElectors.
    s.RandomizeDP = false;
    s.IsNationSpecifDP = false;
    s.DefaultDPAristocracy = 1, s.DefaultDPCentralization = 2, s.DefaultDPInnovative = 3;
    s.DefaultDPMercantilism = 4, s.DefaultDPOffensive = 5, s.DefaultDPLand = 6;
    s.DefaultDPQuality = 7, s.DefaultDPSerfdom = 8;
    s.AllElectors = true;
    lines = CountryLines(random);
    EXPECT_EQ(lines[3], "CCC;green;red;eastern;NAV;NAV;NAV;NAV;1;2;3;4;5;6;7;8;1;X");
}

TEST_F(Tables, TaxModifierColumn) {
    TGeneratorSettings& s = world->Settings;
    s.TaxStab[0] = {1, 2, 3, 4, 5, 6, 7};
    struct Case {
        int impact, value;
        std::vector<std::string> lines;
    } cases[] = {
        {1, 3, {"Stability;Modifier(%)", "3;7", "2;6", "1;5", "0;4", "-1;3", "-2;2", "-3;1"}},
        {1,
         5,
         {"Stability;Modifier(%)", "3;27", "2;26", "1;25", "0;24", "-1;23", "-2;22", "-3;21"}},
        {1,
         1,
         {"Stability;Modifier(%)", "3;-13", "2;-14", "1;-15", "0;-16", "-1;-17", "-2;-18",
          "-3;-19"}},
        // An impact outside 1..5 keeps to the nearest row.
        {0, 3, {"Stability;Modifier(%)", "3;7", "2;6", "1;5", "0;4", "-1;3", "-2;2", "-3;1"}},
    };
    for (const Case& c : cases) {
        s.TaxStabilImpact = static_cast<int8_t>(c.impact);
        s.TaxValue = static_cast<int8_t>(c.value);
        EXPECT_EQ(SplitLines(TaxStabilityTableText(*world)), c.lines) << c.impact << " " << c.value;
    }
}

TEST_F(Tables, GoodsValuesAreScaledAndLimitedExceptCodeFive) {
    TGeneratorSettings& s = world->Settings;
    s.RandomizeGoodsValues = false;
    s.GoodsValues.fill(1);
    s.GoodsValues[1] = 40;
    s.GoodsValues[4] = 1;
    s.GoodsValueModifier = 3;
    ScriptedRandom random;
    auto lines = GoodsLines(random);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[1], "CLOTHES;3;0;0;0");  // 1 limited to 3
    EXPECT_EQ(lines[2], "COFFEE;25;0;1;0");  // 40 limited to 25
    EXPECT_EQ(lines[5], "FURS;1;0;0;0");     // code 5 as configured
    EXPECT_TRUE(random.asked.empty());
    s.GoodsValueModifier = 5;
    s.GoodsValues[1] = 12;  // 12 * 5 / 3 = 20
    lines = GoodsLines(random);
    EXPECT_EQ(lines[2], "COFFEE;20;0;1;0");
    EXPECT_EQ(lines[21], "NOTHING;0;0;0;0");
}

TEST_F(Tables, RandomGoodsValuesStartAfreshOnEveryCall) {
    TGeneratorSettings& s = world->Settings;
    s.GoodsValueModifier = 3;
    s.GoodsValues.fill(10);
    for (int run = 0; run < 2; ++run) {
        ScriptedRandom random;
        for (int i = 0; i < 19; ++i) random.script.push_back(10);  // +5 each time
        EXPECT_EQ(GoodsLines(random)[1], "CLOTHES;15;0;0;0");
    }
    EXPECT_EQ(s.GoodsValues[0], 10);
}

TEST_F(Tables, RevoltExtraListsEveryProvinceAfterTheCapital) {
    SetList(world->Nations[1].OwnedProvinces, {1, 4, 6, 2});
    const std::string text = RevoltTableText(*world);
    EXPECT_TRUE(HasLine(text, "\textra = { 4 6 2 }"));
    EXPECT_TRUE(HasLine(text, "\textra = { }"));
    EXPECT_EQ(SplitLines(text).size(), 4u * 8u);
}
