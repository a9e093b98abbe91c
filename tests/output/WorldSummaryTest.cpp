#include "GoldenWorld.h"
#include "TestSupport.h"
#include "session/WorldSummary.h"

using namespace tq3;

using namespace test;

TEST(WorldSummary, DescribesTheGoldenWorld) {
    auto world = NewWorld();
    BuildGoldenWorld(*world, "/nonexistent");
    world->CentresOfTrade.toMajors = {2, 3};
    world->Provinces[6].Goods = 7;
    EXPECT_EQ(DescribeWorld(*world),
              "Land provinces: 5 (plains 1, forest 1, mountain 2, desert 0, marsh 1)\n"
              "Goods: furs 1, gold 1, grain 2, wool 1\n"
              "Religions: pagan 1, catholic 3, protestant 1\n"
              "Nations in the scenario: 4\n"
              "Majors: 1 (BBB)\n"
              "Provinces held: 5\n"
              "Nations short of their size: 2 (AAA 1, CCC 1)\n"
              "Centres of trade: 2 (BBB CCC)\n"
              "Fairness: 1.000 (weakest major's strength / strongest's, strength = income + "
              "manpower)\n"
              "Income spread (Gini): 0.000\n"
              "Native land: 0.0%\n"
              "Major BBB: strength 7 (income 4, manpower 3), 1 province (1 land, 0 coastal), 1 "
              "gold mine, 1 trade good, religion on 0.0% of the land, nearest rival capital out "
              "of reach\n");
}

TEST(WorldSummary, MapOnlyRunHasNoScenarioPart) {
    auto world = NewWorld();
    BuildGoldenWorld(*world, "/nonexistent");
    world->Settings.GeneratorMode = 1;
    const std::string text = DescribeWorld(*world);
    EXPECT_NE(text.find("Land provinces: 5"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 31), "No scenario written (map only)\n");
    EXPECT_EQ(text.find("Majors"), std::string::npos);
}
