#include <array>
#include <functional>

#include "MapTestWorld.h"
#include "TestSupport.h"
#include "base/Random.h"
#include "engine/Terrain.h"
#include "engine/Tickets.h"

using namespace tq3;

namespace {

TEST(Tickets, RoundHalfToEvenCountsAndPositions) {
    // 14 -> 1 ticket, 15 -> 2, 25 -> 2, 35 -> 4, 4 -> 0, -20 -> none; in a short list and at
    // the end of a long one whose other candidates hold no ticket.
    const std::vector<int> tail{14, 15, 25, 35, 4, -20};
    const int expected[9] = {0, 1, 1, 2, 2, 3, 3, 3, 3};
    for (std::size_t length : {tail.size(), std::size_t{100}}) {
        std::vector<int> weights(length - tail.size(), 5);
        weights.insert(weights.end(), tail.begin(), tail.end());
        const int first = static_cast<int>(length - tail.size());
        for (int k = 0; k < 9; ++k) {
            test::ScriptedRandom random{k};
            EXPECT_EQ(DrawTicket(weights, random), first + expected[k]) << length << "/" << k;
            EXPECT_EQ(random.asked, std::vector<int>{9});
        }
    }
}

TEST(Tickets, NoTicketsMeansNoDraw) {
    test::ScriptedRandom random;
    const std::array<int, 3> weights{4, 0, -100};
    EXPECT_EQ(DrawTicket(weights, random), -1);
    EXPECT_TRUE(random.asked.empty());
}

class TerrainStep : public ::testing::Test {
  protected:
    std::unique_ptr<World> world = maptest::GridWorld(3, 1);
    TGeneratorSettings& s = world->Settings;
    void SetUp() override {
        s.IsRandomTerain = true;
        for (int p = 1; p <= 3; ++p) world->Neighbours[p].fill(0);
    }
    TProvince& P(int p) { return world->Provinces[p]; }
};

TEST_F(TerrainStep, WeightsFromAgeCoastAndClimate) {
    s.Age = 2;                    // element 6
    s.AgeMountainsModif[6] = 50;  // Mountain 100 -> 50
    s.CoastalTerainModif = {100, 200, 100, 100, 0};
    s.InlandTerainModif = {100, 100, 100, 100, 300};
    s.TerainClimateModif[0][3] = 150;
    s.TerainClimateModif[3][3] = 33;
    s.ProvinceCount = 2;
    P(1).IsCoastal = true;
    P(1).Climate = 3;
    P(2).Climate = 3;
    // Coastal: 150, 200, 50, 33, 0 -> 15 + 20 + 5 + 3 + 0 tickets; ticket 40 is Desert.
    // Inland: 150, 100, 50, 33, 300 -> 15 + 10 + 5 + 3 + 30; ticket 33 is Marsh.
    test::ScriptedRandom random{40, 33};
    GenerateTerrain(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{43, 63}));
    EXPECT_EQ(P(1).Terrain, TerrainCode::Desert);
    EXPECT_EQ(P(2).Terrain, TerrainCode::Marsh);
}

TEST_F(TerrainStep, NeighboursCountWithTheirCurrentTerrain) {
    s.TerainProbs.fill(0);
    s.Diversity = -4;
    s.TerainDiversityModif[0] = 100;  // ten tickets per neighbour
    world->Neighbours[1][1] = 2;
    world->Neighbours[2][1] = 1;
    world->Neighbours[2][2] = 3;
    P(1).Terrain = TerrainCode::Marsh;
    P(2).Terrain = TerrainCode::Desert;
    P(3).Terrain = TerrainCode::Forest;
    // Province 1 sees Desert only; province 2 then sees province 1's new Desert and Forest.
    test::ScriptedRandom random{0, 10};
    GenerateTerrain(*world, random);
    EXPECT_EQ(P(1).Terrain, TerrainCode::Desert);
    EXPECT_EQ(P(2).Terrain, TerrainCode::Desert);
    EXPECT_EQ(random.asked[1], 20);
    // Province 3 has no neighbours and no base weight: it keeps its terrain without a draw.
    EXPECT_EQ(P(3).Terrain, TerrainCode::Forest);
    EXPECT_EQ(random.asked.size(), 2u);
}

TEST_F(TerrainStep, BadEntriesAreSafe) {
    s.TerainProbs = {0, 0, 0, 0, 10};
    s.TerainDiversityModif.fill(100);
    // Neighbours outside the world, not land, or after the end of the list count for nothing.
    world->Neighbours[1] = {0, 1620, -4, 2, 3, 0, 2, 2, 2, 2};
    P(2).Terrain = TerrainCode::Sea;
    P(3).Terrain = static_cast<TerrainCode>(9);  // neither land nor sea: untouched
    world->Provinces[1620].Terrain = TerrainCode::Plains;
    s.ProvinceCount = 3;
    test::ScriptedRandom random;
    GenerateTerrain(*world, random);
    EXPECT_EQ(random.asked, std::vector<int>{1});
    EXPECT_EQ(P(1).Terrain, TerrainCode::Marsh);
    EXPECT_EQ(P(2).Terrain, TerrainCode::Sea);
    EXPECT_EQ(P(3).Terrain, static_cast<TerrainCode>(9));

    // A climate without its list element keeps the terrain and takes no draw.
    for (int8_t bad : {int8_t{12}, int8_t{-1}}) {
        P(1).Terrain = TerrainCode::Forest;
        P(1).Climate = bad;
        test::ScriptedRandom again;
        GenerateTerrain(*world, again);
        EXPECT_EQ(P(1).Terrain, TerrainCode::Forest);
        EXPECT_TRUE(again.asked.empty());
    }
}

TEST_F(TerrainStep, OffChangesNothing) {
    s.IsRandomTerain = false;
    test::ScriptedRandom random;
    GenerateTerrain(*world, random);
    EXPECT_TRUE(random.asked.empty());
}

// Statistics on a 40 x 40 grid with a fixed seed: shares, never exact outcomes.
struct GridStats {
    double share[TerrainCodes] = {};
    double neighboursAgree = 0;  // share of neighbour pairs with the same terrain
};

GridStats RunGrid(const std::function<void(TGeneratorSettings&)>& configure, uint64_t seed) {
    auto world = maptest::GridWorld(40, 40);
    world->Settings.IsRandomTerain = true;
    configure(world->Settings);
    Random random(seed);
    GenerateTerrain(*world, random);
    GridStats stats;
    int pairs = 0, same = 0;
    for (int p = 1; p <= 1600; ++p) {
        stats.share[Index(world->Provinces[p].Terrain)] += 1.0 / 1600;
        for (int slot = 1; world->Neighbours[p][slot] != 0; ++slot) {
            ++pairs;
            same +=
                world->Provinces[world->Neighbours[p][slot]].Terrain == world->Provinces[p].Terrain;
        }
    }
    stats.neighboursAgree = static_cast<double>(same) / pairs;
    return stats;
}

TEST(TerrainStatistics, HeavyWeightDominates) {
    const GridStats stats = RunGrid(
        [](TGeneratorSettings& s) {
            s.TerainProbs = {100, 900, 100, 100, 100};
        },
        7);
    EXPECT_GT(stats.share[Index(TerrainCode::Forest)], 0.6);
    for (int t : {0, 2, 3, 4}) EXPECT_LT(stats.share[t], 0.2) << t;
}

TEST(TerrainStatistics, DiversityMakesNeighboursAgree) {
    const auto withDiversity = [](int element) {
        return [element](TGeneratorSettings& s) {
            s.Diversity = 0;
            s.TerainDiversityModif[4] = static_cast<int16_t>(element);
        };
    };
    const GridStats independent = RunGrid(withDiversity(0), 11);
    const GridStats clumped = RunGrid(withDiversity(2000), 11);
    EXPECT_LT(independent.neighboursAgree, 0.3);  // five equal weights: about one in five
    EXPECT_GT(clumped.neighboursAgree, 0.6);
}

}  // namespace
