#include "MapTestWorld.h"
#include "TestSupport.h"
#include "engine/Goods.h"

using namespace tq3;

namespace {

// One land province; goods 1 is the only goods with a weight unless a test says otherwise.
class GoodsStep : public ::testing::Test {
  protected:
    std::unique_ptr<World> world = maptest::GridWorld(1, 1);
    TGeneratorSettings& s = world->Settings;
    void SetUp() override {
        s.IsRandomGoods = true;
        s.GoodsProb.fill(0);
        s.GoodsProb[0] = 100;
        s.GoodsNames[5] = "Gold";
        s.MineValueGenerator = {1, 2, 3, 300, 200, 6, 7};
    }
    TProvince& P(int p) { return world->Provinces[p]; }
    // Runs the step with a draw of 0 and gives the number of tickets it drew from.
    int TicketsDrawnFrom() {
        test::ScriptedRandom random;
        GenerateGoods(*world, random);
        return random.asked.empty() ? -1 : random.asked.front();
    }
};

TEST_F(GoodsStep, CoastClimateAndTerrainScaleTheWeights) {
    s.IsGoodsTerrainDependency = true;
    s.GoodsCoastalModif[0] = 300;
    s.GoodsInlandModif[0] = 50;
    s.GoodsClimateModif[2][0] = 150;
    s.GoodsTerainModif[Mountain][0] = 33;
    P(1).Climate = 2;
    P(1).Terrain = Mountain;
    P(1).IsCoastal = true;
    EXPECT_EQ(TicketsDrawnFrom(), 15);  // 100 -> 300 -> 450 -> 148: 15 tickets
    P(1).IsCoastal = false;
    EXPECT_EQ(TicketsDrawnFrom(), 2);  // 100 -> 50 -> 75 -> 24: 2 tickets
    s.IsGoodsTerrainDependency = false;
    EXPECT_EQ(TicketsDrawnFrom(), 10);  // GoodsProb alone
}

TEST_F(GoodsStep, OneContinentListByTheFirstTestThatHolds) {
    s.IsContinentSpecifs = true;
    s.ContinentNames = {"America", "Africa", "Europe", "Asia", "Oceania", "Antarctica"};
    s.AreaNames[0] = "Mediterranean";
    s.AreaNames[1] = "Anatolia";
    s.GoodsAmericaModif[0] = 200;
    s.GoodsAfricaModif[0] = 300;
    s.GoodsEuropaModif[0] = 400;
    s.GoodsAsiaModif[0] = 500;
    s.GoodsOceaniaModif[0] = 600;
    struct Case {
        int continent, area, tickets;
    };
    for (const Case& c : {Case{1, 0, 20}, Case{2, 1, 30},  // African Mediterranean: Africa
                          Case{3, 0, 40}, Case{4, 2, 40},  // Asian Anatolia: European
                          Case{4, 0, 50}, Case{5, 0, 60}, Case{6, 0, 10}, Case{0, 0, 10},
                          Case{11, 0, 10}, Case{-3, 0, 10}}) {
        P(1).Continent = static_cast<int8_t>(c.continent);
        P(1).Area = static_cast<int16_t>(c.area);
        EXPECT_EQ(TicketsDrawnFrom(), c.tickets) << c.continent << "/" << c.area;
    }
}

TEST_F(GoodsStep, GoldByNameGetsTheLowBitsOfAMineValue) {
    s.GoodsProb = {0, 0, 0, 0, 0, 100, 100};  // gold (code 6) holds tickets 0..9
    struct Case {
        int ticket, mineDraw, goods, mine;
    };
    for (const Case& c :
         {Case{0, 3, 6, 300 & 0xFF}, Case{9, 4, 6, 200}, Case{0, 6, 6, 7}, Case{10, 0, 7, 0}}) {
        P(1).MineValue = 99;
        test::ScriptedRandom random{c.ticket, c.mineDraw};
        GenerateGoods(*world, random);
        EXPECT_EQ(P(1).Goods, c.goods);
        EXPECT_EQ(static_cast<uint8_t>(P(1).MineValue), c.mine) << c.ticket << "/" << c.mineDraw;
        EXPECT_EQ(random.asked.size(), c.goods == 6 ? 2u : 1u);
    }
    // Gold is known by name only.
    s.GoodsNames[5] = "Silver";
    s.GoodsNames[6] = "Gold";
    test::ScriptedRandom random{0};
    GenerateGoods(*world, random);
    EXPECT_EQ(P(1).Goods, 6);
    EXPECT_EQ(P(1).MineValue, 0);
}

TEST_F(GoodsStep, UndrawableProvincesKeepGoodsAndMine) {
    P(1).Goods = 6;
    P(1).MineValue = 40;
    // No ticket at all.
    s.GoodsProb.fill(4);
    EXPECT_EQ(TicketsDrawnFrom(), -1);
    EXPECT_EQ(P(1).Goods, 6);
    EXPECT_EQ(P(1).MineValue, 40);
    // A climate without its goods list.
    s.GoodsProb.fill(100);
    s.IsGoodsTerrainDependency = true;
    P(1).Climate = 12;
    EXPECT_EQ(TicketsDrawnFrom(), -1);
    EXPECT_EQ(P(1).Goods, 6);
    // The step switched off.
    s.IsRandomGoods = false;
    P(1).Climate = 5;
    EXPECT_EQ(TicketsDrawnFrom(), -1);
    EXPECT_EQ(P(1).MineValue, 40);
}

TEST_F(GoodsStep, SeaKeepsItsGoods) {
    P(1).Terrain = Sea;
    P(1).Goods = 4;
    EXPECT_EQ(TicketsDrawnFrom(), -1);
    EXPECT_EQ(P(1).Goods, 4);
}

}  // namespace
