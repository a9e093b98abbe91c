#include <gtest/gtest.h>

#include "NationTestWorld.h"
#include "engine/BalanceMeasures.h"

using namespace nationtest;

TEST(FairnessFormula, WeakestOverStrongestAndGiniOfIncome) {
    struct Case {
        std::vector<int> values;
        double fairness, gini;
    };
    const Case cases[] = {
        {{}, 1, 0},             // no majors: nothing to compare
        {{40}, 1, 0},           // one major is fair to itself
        {{30, 30, 30}, 1, 0},   // equal shares
        {{10, 40}, 0.25, 0.3},  // |10-40| * 2 / (2 * 2 * 50)
        {{0, 0, 60}, 0, 2.0 / 3},
        {{0, 0}, 1, 0},  // nobody has anything: nobody is ahead
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(FairnessRatio(c.values), c.fairness) << ::testing::PrintToString(c.values);
        EXPECT_DOUBLE_EQ(GiniCoefficient(c.values), c.gini) << ::testing::PrintToString(c.values);
    }
}

// Two majors and a minor on a strip of eight land provinces, 1-2-3-4-5-6-7-8, with 9 at sea:
// major A holds 1, 2 and 3, major B holds 7 and 8, the minor holds 5.
TEST(BalanceMeasures, MeasureEachMajorAndTheWorldOnAHandMadeMap) {
    auto world = SeaWorld(9);
    for (int p = 1; p <= 8; ++p) {
        TProvince& prov = Land(*world, p, Europe, Religion::Catholic);
        prov.Manpower = 2;
        prov.Income = 3;
        if (p > 1) Link(*world, p - 1, p);
    }
    world->Provinces[5].Religion = Religion::Sunni;
    world->Provinces[7].Religion = Religion::Sunni;
    world->Provinces[2].IsCoastal = true;
    world->Provinces[3].MineValue = 5;
    world->Provinces[1].Goods = 4;
    world->Provinces[2].Goods = 4;
    world->Provinces[3].Goods = 9;
    world->Provinces[8].Income = 10;

    const int a = AddNation(*world, 1, Religion::Counterreformed, 3);
    world->Nations[a].OwnedProvinces[2] = 2;
    world->Nations[a].OwnedProvinces[3] = 3;
    const int minor = AddNation(*world, 5, Religion::Sunni, 1);
    const int b = AddNation(*world, 8, Religion::Sunni, 3);
    world->Nations[b].OwnedProvinces[2] = 7;
    world->Nations[b].SizeShortfall = 1;
    world->MajorNations[a] = world->MajorNations[b] = true;
    world->Settings.NationCount = 3;

    const WorldBalance balance = MeasureBalance(*world);
    ASSERT_EQ(balance.majors.size(), 2u);
    const MajorBalance& ma = balance.majors[0];
    EXPECT_EQ(ma.nation, a);
    EXPECT_EQ(ma.provinces, 3);
    EXPECT_EQ(ma.landProvinces, 3);
    EXPECT_EQ(ma.manpower, 6);
    EXPECT_EQ(ma.income, 9);
    EXPECT_EQ(ma.Strength(), 15);
    EXPECT_EQ(ma.coastal, 1);
    EXPECT_EQ(ma.goldMines, 1);
    EXPECT_EQ(ma.tradeGoods, 2);
    EXPECT_DOUBLE_EQ(ma.religionShare, 75.0);  // counterreformed counts the Catholic provinces
    EXPECT_EQ(ma.capitalDistance, 7);          // from 1 to 8
    const MajorBalance& mb = balance.majors[1];
    EXPECT_EQ(mb.nation, b);
    EXPECT_EQ(mb.income, 13);
    EXPECT_EQ(mb.Strength(), 17);
    EXPECT_DOUBLE_EQ(mb.religionShare, 25.0);
    EXPECT_EQ(mb.capitalDistance, 7);
    (void)minor;

    EXPECT_DOUBLE_EQ(balance.fairness, 15.0 / 17);
    EXPECT_DOUBLE_EQ(balance.incomeGini, 4.0 * 2 / (2 * 2 * 22));
    EXPECT_DOUBLE_EQ(balance.nativeShare, 100.0 * 2 / 8);  // 4 and 6 are held by nobody
    EXPECT_EQ(balance.shortNations, 1);

    // Cut the strip between 4 and 5: the majors' capitals no longer reach each other.
    world->Neighbours[4] = {};
    world->Neighbours[5] = {};
    world->Neighbours[5][1] = 6;
    world->Neighbours[4][1] = 3;
    const WorldBalance cut = MeasureBalance(*world);
    EXPECT_EQ(cut.majors[0].capitalDistance, -1);
    EXPECT_EQ(cut.majors[1].capitalDistance, -1);
}

// Room around the capitals, on a strip of land 1-2-3-4-5 and an island 6 off sea 9, which
// also touches 7: major A holds 1, a minor holds 3, major B holds the coastal island 6.
TEST(BalanceMeasures, RoomIsTheFreeLandWithinThreeStepsOfTheCapitalAndCoastalMajorsCount) {
    auto world = SeaWorld(9);
    for (int p = 1; p <= 7; ++p) Land(*world, p);
    for (int p = 2; p <= 5; ++p) Link(*world, p - 1, p);
    Link(*world, 6, 9);
    Link(*world, 9, 7);
    world->Provinces[6].IsCoastal = world->Provinces[7].IsCoastal = true;
    const int a = AddNation(*world, 1);
    AddNation(*world, 3);
    const int b = AddNation(*world, 6);
    world->MajorNations[a] = world->MajorNations[b] = true;
    world->Settings.NationCount = 3;

    const WorldBalance balance = MeasureBalance(*world);
    ASSERT_EQ(balance.majors.size(), 2u);
    EXPECT_EQ(balance.majors[0].room, 2);  // 2 and 4; 3 is held, 5 lies 4 steps away
    EXPECT_EQ(balance.majors[1].room, 1);  // 7, across the sea
    EXPECT_EQ(balance.room, 1);
    EXPECT_EQ(balance.coastalMajors, 1);

    // Both majors on the coast; without a minor A has 3 and 4 as well.
    world->Provinces[1].IsCoastal = true;
    world->Nations[2].OwnedProvinces[1] = 0;
    const WorldBalance free = MeasureBalance(*world);
    EXPECT_EQ(free.majors[0].room, 3);
    EXPECT_EQ(free.coastalMajors, 2);
}
