#include "MapTestWorld.h"
#include "TestSupport.h"
#include "engine/Climate.h"

using namespace tq3;

namespace {

class ClimateStep : public ::testing::Test {
  protected:
    std::unique_ptr<World> world = maptest::GridWorld(3, 1);
    TGeneratorSettings& s = world->Settings;
    void SetUp() override { s.IsRandomClimate = true; }
    TProvince& P(int p) { return world->Provinces[p]; }
};

TEST_F(ClimateStep, OffRunsNeitherPassEvenWithSeas) {
    s.IsRandomClimate = false;
    s.ClimateAffectsSeas = true;
    P(2).Terrain = Sea;
    test::ScriptedRandom random;
    GenerateClimate(*world, random);
    EXPECT_TRUE(random.asked.empty());
}

TEST_F(ClimateStep, TwoDrawsPerLandProvinceEvenWhenNothingCanChange) {
    P(2).Terrain = Sea;  // sea is not visited without ClimateAffectsSeas
    P(2).Climate = 3;
    test::ScriptedRandom random;
    GenerateClimate(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{100, 100, 100, 100}));
    EXPECT_EQ(P(1).Climate, 5);
    EXPECT_EQ(P(2).Climate, 3);
}

TEST_F(ClimateStep, SlidersChooseListsAndHumidityActsOnTheNewClimate) {
    s.Temperature = -2;  // lists of step -2: element 2
    s.Humidity = 3;      // element 7
    s.TemperClimateModif[2][5] = 50;
    s.TemperClimateNew[2][5] = 7;
    s.HumidClimateModif[7][7] = 30;
    s.HumidClimateNew[7][7] = 2;
    s.HumidClimateModif[7][5] = 100;  // would fire if humidity looked at the old climate
    s.HumidClimateNew[7][5] = 8;
    // Province 1: 49 < 50 shifts to 7, then 29 < 30 shifts to 2.
    // Province 2: 50 keeps 5, then 99 < 100 shifts to 8.
    // Province 3: 0 shifts to 7, then 30 keeps 7.
    test::ScriptedRandom random{49, 29, 50, 99, 0, 30};
    GenerateClimate(*world, random);
    EXPECT_EQ(P(1).Climate, 2);
    EXPECT_EQ(P(2).Climate, 8);
    EXPECT_EQ(P(3).Climate, 7);
    EXPECT_TRUE(random.script.empty());
}

TEST_F(ClimateStep, BadCodesKeepTheClimateAndStillTakeBothDraws) {
    for (auto& list : s.TemperClimateModif) list.fill(100);
    for (auto& list : s.HumidClimateModif) list.fill(100);
    s.TemperClimateNew[4].fill(12);  // no such climate
    s.HumidClimateNew[4].fill(3);
    P(1).Climate = 12;
    P(2).Climate = -3;
    P(3).Climate = 5;
    test::ScriptedRandom random;
    GenerateClimate(*world, random);
    EXPECT_EQ(random.asked.size(), 6u);
    EXPECT_EQ(P(1).Climate, 12);
    EXPECT_EQ(P(2).Climate, -3);
    EXPECT_EQ(P(3).Climate, 3);  // the bad temperature target is passed over, humidity applies
}

// Sea provinces 1..175 with three land provinces among them.
class SeaClimate : public ::testing::Test {
  protected:
    std::unique_ptr<World> world = std::make_unique<World>();
    TGeneratorSettings& s = world->Settings;
    void SetUp() override {
        s.ProvinceCount = 175;
        s.IsRandomClimate = true;
        s.ClimateAffectsSeas = true;
        s.TemperIceModif.fill(9);  // no ice except in tundra
        for (int p = 1; p <= 175; ++p) {
            world->Provinces[p].Terrain = Sea;
            world->Provinces[p].Climate = 5;
        }
    }
    TProvince& P(int p) { return world->Provinces[p]; }
};

TEST_F(SeaClimate, Provinces171And173AreLeftExactlyAsLoaded) {
    s.TemperClimateModif[4].fill(100);
    s.TemperClimateNew[4].fill(0);  // everything would freeze
    for (int p : {171, 173}) {
        P(p).Climate = 4;
        P(p).HasIce = false;
        P(p).HasStorm = true;
    }
    test::ScriptedRandom random;
    GenerateClimate(*world, random);
    for (int p : {171, 173}) {
        EXPECT_EQ(P(p).Climate, 4);
        EXPECT_FALSE(P(p).HasIce);
        EXPECT_TRUE(P(p).HasStorm);
    }
    EXPECT_EQ(P(172).Climate, 0);
    EXPECT_TRUE(P(172).HasIce);
    EXPECT_EQ(random.asked.size(), 2u * 173);  // a climate and a storm draw per other sea
}

TEST_F(SeaClimate, DrawOrderHotSeasStormsAndIce) {
    s.ProvinceCount = 5;
    s.Temperature = 1;  // element 5
    s.Humidity = -1;    // element 3
    s.TemperClimateModif[5][5] = 50;
    s.TemperClimateNew[5][5] = 6;  // hot tropical sea becomes dry tropical
    s.HumidStormModif[3] = 100;
    s.TemperIceModif[5] = 7;
    P(2).Terrain = Plains;  // land: humidity lists apply, and it takes two draws of 100
    P(3).Climate = 8;       // 8 >= 7: ice, never storm
    P(4).Climate = 0;       // tundra always freezes
    P(5).Climate = 2;
    P(5).HasIce = true;  // thaws
    test::ScriptedRandom random{/*land*/ 99, 99, /*1*/ 10, 99, /*3*/ 99, 0,
                                /*4*/ 99,    0,  /*5*/ 99, 100};
    GenerateClimate(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{100, 100, 100, 550, 100, 550, 100, 550, 100, 550}));
    EXPECT_EQ(P(1).Climate, 1);
    EXPECT_TRUE(P(1).HasStorm);  // 99 < 100
    EXPECT_FALSE(P(1).HasIce);
    EXPECT_TRUE(P(3).HasIce);
    EXPECT_FALSE(P(3).HasStorm);
    EXPECT_TRUE(P(4).HasIce);
    EXPECT_FALSE(P(4).HasStorm);
    EXPECT_FALSE(P(5).HasIce);
    EXPECT_FALSE(P(5).HasStorm);  // 100 is not below 100
}

}  // namespace
