#include "MapTestWorld.h"
#include "TestSupport.h"
#include "engine/ProvinceValues.h"

using namespace tq3;

namespace {

// Provinces 1 and 3 are land, 2 is sea.
class ProvinceValuesStep : public ::testing::Test {
  protected:
    std::unique_ptr<World> world = maptest::GridWorld(3, 1);
    TGeneratorSettings& s = world->Settings;
    void SetUp() override {
        P(2).Terrain = Sea;
        P(2).ColonDifficulty = 77;
        P(2).NativePopulation = 77;
        P(2).Manpower = 77;
        P(2).Income = 77;
    }
    TProvince& P(int p) { return world->Provinces[p]; }
    void ExpectSeaUntouched() {
        EXPECT_EQ(P(2).ColonDifficulty, 77);
        EXPECT_EQ(P(2).NativePopulation, 77);
        EXPECT_EQ(P(2).NativeCombat, 0);
        EXPECT_EQ(P(2).Manpower, 77);
        EXPECT_EQ(P(2).Income, 77);
    }
};

TEST_F(ProvinceValuesStep, PassesRunInOrderOverLandOnly) {
    s.IsRandomColonDiff = s.IsRandomTradeNegotiation = s.IsRandomNativTolerance = true;
    s.IsRandomNativPopulation = s.IsRandomNativCombat = true;
    s.ColonDifficultyModif = -5;
    s.TradeNegotiationModif = 5;
    s.NativToleranceModif = 0;
    s.NativPopulationModif = 2;
    s.NativCombatModif = -3;
    test::ScriptedRandom random{3,  0,         // colonisation: 4, 1
                                13, 5,         // trade: 14 clamped to 9, 6
                                8,  2,         // tolerance: 9, 3
                                19, 0,         // population: 19 * 7 = 133 -> 127, 0 -> 5
                                13, 9, 2, 0};  // combat and factor: 13, 14; 5, 5
    GenerateProvinceValues(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{4, 4, 14, 14, 9, 9, 20, 20, 14, 10, 14, 10}));
    EXPECT_FALSE(random.outOfRange);
    EXPECT_EQ(P(1).ColonDifficulty, 4);
    EXPECT_EQ(P(3).ColonDifficulty, 1);
    EXPECT_EQ(P(1).TradeNegotiation, 9);
    EXPECT_EQ(P(3).TradeNegotiation, 6);
    EXPECT_EQ(P(1).NativeTolerance, 9);
    EXPECT_EQ(P(3).NativeTolerance, 3);
    EXPECT_EQ(P(1).NativePopulation, 127);
    EXPECT_EQ(P(3).NativePopulation, 5);
    EXPECT_EQ(P(1).NativeCombat, 13);
    EXPECT_EQ(P(1).NativeCombatFactor, 14);
    EXPECT_EQ(P(3).NativeCombat, 5);  // 2 clamped to 0.5
    EXPECT_EQ(P(3).NativeCombatFactor, 5);
    ExpectSeaUntouched();
}

TEST_F(ProvinceValuesStep, PopulationAloneGivesMissingCombatValuesOnePointZero) {
    s.IsRandomNativPopulation = true;
    s.NativPopulationModif = -5;
    P(1).NativeCombat = 0;
    P(1).NativeCombatFactor = 0;
    P(3).NativeCombat = 23;
    P(3).NativeCombatFactor = 0;
    test::ScriptedRandom random{19, 19};
    GenerateProvinceValues(*world, random);
    EXPECT_EQ(P(1).NativePopulation, 5);  // strength -5 always gives 5
    EXPECT_EQ(P(1).NativeCombat, 10);
    EXPECT_EQ(P(1).NativeCombatFactor, 10);
    EXPECT_EQ(P(3).NativeCombat, 23);
    EXPECT_EQ(P(3).NativeCombatFactor, 10);
    ExpectSeaUntouched();
}

TEST_F(ProvinceValuesStep, ManpowerByStrengthTerrainAndOwner) {
    s.IsRandomManpower = true;
    s.TerainManpowerModif = {4, 5, 6, 7, 8, 10};
    P(1).Terrain = Desert;  // base 7
    P(3).Terrain = Desert;
    P(3).Owner = 12;  // held: base 10 whatever the terrain
    struct Case {
        int strength, draw, manpower;
    };
    for (const Case& c :
         {Case{-5, 13, 2}, Case{0, 13, 15}, Case{5, 13, 28}, Case{-2, 7, 6}, Case{3, 9, 16}}) {
        s.ManpowerModif = static_cast<int8_t>(c.strength);
        test::ScriptedRandom random{c.draw, c.draw};
        GenerateManpowerIncome(*world, random);
        EXPECT_EQ(random.asked, (std::vector<int>{14, 20}));
        EXPECT_EQ(P(1).Manpower, c.manpower) << c.strength;
        EXPECT_EQ(P(3).Manpower, c.manpower) << c.strength;
    }
    ExpectSeaUntouched();
}

TEST_F(ProvinceValuesStep, IncomeFromManpower) {
    s.IsRandomIncome = true;
    P(1).Manpower = 6;  // template manpower, not generated
    P(3).Manpower = 0;
    struct Case {
        int strength, draw, income;
    };
    for (const Case& c : {Case{-5, 5, 0}, Case{0, 3, 9}, Case{2, 3, 12}, Case{5, 5, 22}}) {
        s.IncomeModif = static_cast<int8_t>(c.strength);
        test::ScriptedRandom random{c.draw};
        GenerateManpowerIncome(*world, random);
        EXPECT_EQ(random.asked, (std::vector<int>{6, 0}));
        EXPECT_EQ(P(1).Income, c.income) << c.strength;
        EXPECT_EQ(P(3).Income, 0) << c.strength;
    }
    ExpectSeaUntouched();
}

TEST_F(ProvinceValuesStep, ResultsStayWithinTheEightBitFields) {
    s.IsRandomManpower = s.IsRandomIncome = true;
    s.TerainManpowerModif.fill(100);
    s.ManpowerModif = 5;
    s.IncomeModif = 5;
    test::ScriptedRandom random{199, 0, 126, 0};
    GenerateManpowerIncome(*world, random);
    EXPECT_EQ(P(1).Manpower, 127);  // 2 * 199 + 2 would wrap
    EXPECT_EQ(P(1).Income, 127);
    EXPECT_EQ(P(3).Manpower, 2);
    EXPECT_EQ(P(3).Income, 4);

    s.ManpowerModif = -20;  // beyond the slider: never negative
    test::ScriptedRandom again{50, 0};
    GenerateManpowerIncome(*world, again);
    EXPECT_EQ(P(1).Manpower, 0);
}

}  // namespace
