#include "NationTestWorld.h"
#include "TestSupport.h"
#include "engine/Religions.h"

using namespace tq3;

using namespace nationtest;

namespace {
std::unique_ptr<World> NationsOfReligion(int count, int religion) {
    auto world = SeaWorld(10);
    for (int i = 0; i < count; ++i) AddNation(*world, 0, religion);
    return world;
}
}  // namespace

TEST(GenerateReligions, CatholicQuotaOfTwentyServesFourNations) {
    auto world = NationsOfReligion(6, 9);
    world->Settings.IsRandomReligNation = true;
    world->Settings.ReligProb[1] = 20;
    test::ScriptedRandom random{19, 15, 9, 5};
    GenerateReligions(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{20, 16, 10, 6}));
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(world->Nations[n].Religion, 2) << n;
    EXPECT_EQ(world->Nations[5].Religion, 9);
    EXPECT_EQ(world->Nations[6].Religion, 9);
}

TEST(GenerateReligions, NationQuotasScaleAndRoundHalfToEven) {
    auto world = NationsOfReligion(3, 9);
    world->Settings.IsRandomReligNation = true;
    world->Settings.ReligProb[0] = 17;  // pagan: 17 / 8 = 2 -> 2 tickets
    world->Settings.ReligProb[4] = 5;   // orthodox: Trunc(5 / 1.5) = 3 -> 4 tickets
    world->Settings.ReligProb[8] = 50;  // hinduist: never drawn for a nation
    test::ScriptedRandom random{1, 0, 0};
    GenerateReligions(*world, random);
    // Ticket 1 is pagan; pagan is then spent, orthodox 3 -> -2 after one nation.
    EXPECT_EQ(random.asked, (std::vector<int>{6, 4}));
    EXPECT_EQ(world->Nations[1].Religion, 1);
    EXPECT_EQ(world->Nations[2].Religion, 5);
    EXPECT_EQ(world->Nations[3].Religion, 9);
}

TEST(GenerateReligions, StartCorrectionFollowsReformationSettings) {
    struct Case {
        bool advanced, edict;
        int before, after;
    };
    for (const Case& c :
         {Case{false, false, 3, 2}, Case{false, false, 4, 2}, Case{false, true, 11, 2},
          Case{false, false, 5, 5}, Case{true, true, 11, 2}, Case{true, false, 11, 11},
          Case{true, true, 3, 3}}) {
        auto world = NationsOfReligion(1, c.before);
        world->Settings.AdvancedReligStart = c.advanced;
        world->Settings.EdictOfTolerance = c.edict;
        test::ScriptedRandom random;
        GenerateReligions(*world, random);
        EXPECT_EQ(world->Nations[1].Religion, c.after) << c.before << c.advanced << c.edict;
    }
}

// Runs of 3 with a Catholic quota of 4: the sea province 2 uses a step but no quota, the
// quota runs out inside the second run, and the rest keep their religion.
TEST(GenerateReligions, ProvinceRunsEndWhenTheQuotaRunsOut) {
    auto world = SeaWorld(10);
    for (int p = 1; p <= 10; ++p)
        if (p != 2) Land(*world, p, 0, 9);
    world->Settings.IsRandomReligProv = true;
    world->Settings.ReligDispersity = 3;
    world->Settings.ReligProb[1] = 4;
    test::ScriptedRandom random{3, 1};
    GenerateReligions(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{4, 2}));
    const std::vector<int> expected = {0, 2, 0, 2, 2, 2, 9, 9, 9, 9, 9};
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(world->Provinces[p].Religion, expected[p]) << p;
}

TEST(GenerateReligions, ProvinceTicketsFollowClimateAndContinent) {
    struct Case {
        int continent, climate, tickets;
    };
    // Every quota 1 gives 2 tickets before the modifiers.
    for (const Case& c : {Case{0, 5, 18}, Case{Europe, 7, 11}, Case{Asia, 5, 28},
                          Case{Africa, 0, 15}, Case{Europe, 5, 23}}) {
        auto world = SeaWorld(1);
        Land(*world, 1, c.continent).Climate = static_cast<int8_t>(c.climate);
        world->Settings.IsRandomReligProv = true;
        world->Settings.ReligDispersity = 1;
        world->Settings.ReligProb.fill(1);
        test::ScriptedRandom random;
        GenerateReligions(*world, random);
        ASSERT_FALSE(random.asked.empty());
        EXPECT_EQ(random.asked[0], c.tickets) << c.continent << "/" << c.climate;
    }
}

TEST(GenerateReligions, DispersityBelowOneStillMovesOn) {
    auto world = SeaWorld(5);
    for (int p = 1; p <= 5; ++p) Land(*world, p, 0, 9);
    world->Settings.IsRandomReligProv = true;
    world->Settings.ReligDispersity = 0;
    world->Settings.ReligProb[1] = 100;
    test::ScriptedRandom random;
    GenerateReligions(*world, random);
    EXPECT_EQ(random.asked.size(), 5u);
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(world->Provinces[p].Religion, 2);
}

TEST(ApplyNationFaith, OnlyScenarioNationsMarkTheirProvinces) {
    auto world = SeaWorld(40);
    for (int p = 1; p <= 5; ++p) Land(*world, p, Europe, 9).Culture = 99;
    world->Provinces[1].SeaZone = 30;
    world->Provinces[3].SeaZone = 31;
    for (int p : {0, 30, 31}) world->Provinces[p].HasStorm = true;
    // NationCount 3, one major (4): nations 1, 2 and 4 are in the scenario.
    AddNation(*world, 1, 11);
    AddNation(*world, 2, 6);
    AddNation(*world, 3, 5);
    AddNation(*world, 4, 8);
    AddNation(*world, 5, 1);
    world->Nations[2].OwnedProvinces[2] = 1500;  // outside the map: skipped
    world->Nations[2].OwnedProvinces[3] = 0;
    world->Nations[2].OwnedProvinces[4] = 3;  // after the end of the list: never read
    world->MajorNations.set(4);
    world->Settings.NationCount = 3;
    world->Settings.MajorCount = 1;
    ApplyNationFaith(*world);
    const std::vector<int> religion = {0, 2, 6, 9, 8, 9};
    const std::vector<int> culture = {0, 1, 2, 99, 4, 99};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(world->Provinces[p].Religion, religion[p]) << p;
        EXPECT_EQ(world->Provinces[p].Culture, culture[p]) << p;
    }
    EXPECT_FALSE(world->Provinces[30].HasStorm);
    EXPECT_TRUE(world->Provinces[31].HasStorm);
    EXPECT_FALSE(world->Provinces[0].HasStorm);  // sea zone 0 of the provinces without one
}

// A nation holding all eleven slots of its province list marks every one, the last too.
TEST(ApplyNationFaith, AFullProvinceListIsMarkedToItsLastSlot) {
    constexpr int kSlots = 11;
    auto world = SeaWorld(kSlots);
    const int n = AddNation(*world, 1, 5);
    for (int slot = 1; slot <= kSlots; ++slot) {
        Land(*world, slot, Europe, 9);
        world->Nations[n].OwnedProvinces[slot] = static_cast<int16_t>(slot);
    }
    world->Settings.NationCount = 1;
    ApplyNationFaith(*world);
    for (int p = 1; p <= kSlots; ++p) EXPECT_EQ(world->Provinces[p].Religion, 5) << p;
}
