#include <set>

#include "NationTestWorld.h"
#include "TestSupport.h"
#include "engine/Expansion.h"
#include "engine/Majors.h"
#include "engine/Placement.h"

using namespace tq3;

using namespace nationtest;

namespace {
std::vector<int> Owned(const TNation& nation) {
    std::vector<int> list;
    for (int slot = 1; slot <= NationProvinceSlots && nation.OwnedProvinces[slot]; ++slot)
        list.push_back(nation.OwnedProvinces[slot]);
    return list;
}

std::vector<int> Known(const TNation& nation) {
    std::vector<int> list;
    for (int slot = 1; slot <= NationProvinceSlots && nation.KnownExtra[slot]; ++slot)
        list.push_back(nation.KnownExtra[slot]);
    return list;
}

// Land provinces 1..count in a chain.
std::unique_ptr<World> Chain(int count) {
    auto world = SeaWorld(count + 20);
    for (int p = 1; p <= count; ++p) {
        Land(*world, p);
        if (p > 1) Link(*world, p - 1, p);
    }
    return world;
}
}  // namespace

TEST(ExpandNations, NeighbouringNationsKnowEachOthersBorder) {
    auto world = Chain(6);
    const int a = AddNation(*world, 1, 2, 4);
    const int b = AddNation(*world, 4, 2, 2);
    world->Settings.NationCount = 2;
    ExpandNations(*world);
    EXPECT_EQ(Owned(world->Nations[a]), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Known(world->Nations[a]), (std::vector<int>{4}));
    EXPECT_EQ(world->Nations[a].SizeShortfall, 1);
    EXPECT_EQ(Owned(world->Nations[b]), (std::vector<int>{4, 5}));
    EXPECT_EQ(Known(world->Nations[b]), (std::vector<int>{3}));
    EXPECT_EQ(world->Nations[b].SizeShortfall, 0);
    EXPECT_FALSE(world->Nations[a].HasSeaAccess);
}

// Only the last entry is compared: a sea zone comes back after another came between, and a
// foreign province seen again right after is listed once.
TEST(ExpandNations, KnownExtraComparesOnlyTheLastEntry) {
    auto world = SeaWorld(60);
    for (int p = 1; p <= 6; ++p) Land(*world, p);
    for (int p : {1, 2, 3, 4}) world->Provinces[p].IsCoastal = true;
    world->Provinces[1].SeaZone = 50;
    world->Provinces[2].SeaZone = 50;
    world->Provinces[3].SeaZone = 51;
    world->Provinces[4].SeaZone = 50;
    world->Neighbours[1] = {0, 2, 3, 4, 5};
    world->Neighbours[2] = {0, 1, 5, 6};
    world->Neighbours[3] = {0, 1, 5, 6};
    const int n = AddNation(*world, 1, 2, 5);
    AddNation(*world, 5);
    AddNation(*world, 6);  // not placed: its province can be taken
    world->Settings.NationCount = 2;
    ExpandNations(*world);
    EXPECT_EQ(Owned(world->Nations[n]), (std::vector<int>{1, 2, 3, 4, 6}));
    EXPECT_EQ(Known(world->Nations[n]), (std::vector<int>{50, 51, 50, 5}));
    EXPECT_TRUE(world->Nations[n].HasSeaAccess);
    EXPECT_EQ(world->Provinces[6].Owner, n);
}

TEST(ExpandNations, SizeSettingsAndCapitalsOutsideTheMap) {
    struct Case {
        int startingSize, nationSize, capital, owned, shortfall;
    };
    for (const Case& c : {Case{3, 8, 1, 3, 0}, Case{0, 8, 1, 8, 0}, Case{0, 10, 1, 10, 0},
                          Case{5, 0, 1, 5, 0}, Case{0, 0, 1, 1, -1}, Case{-2, 4, 1, 4, 0},
                          Case{3, 8, 0, 1, 2}, Case{3, 8, 900, 1, 2}, Case{0, 10, 12, 10, 0}}) {
        auto world = Chain(12);
        world->Neighbours[12][2] = 5000;  // beyond the table
        world->Neighbours[12][3] = -7;
        world->Settings.StartingCountrySize = static_cast<int8_t>(c.startingSize);
        world->Settings.NationCount = 1;
        const int n = AddNation(*world, c.capital, 2, c.nationSize);
        ExpandNations(*world);
        const std::string label = std::to_string(c.startingSize) + "/" +
                                  std::to_string(c.nationSize) + "@" + std::to_string(c.capital);
        EXPECT_EQ(static_cast<int>(Owned(world->Nations[n]).size()), c.capital ? c.owned : 0)
            << label;
        EXPECT_EQ(world->Nations[n].SizeShortfall, c.shortfall) << label;
    }
}

// All nine neighbour slots are examined: the only land neighbour sits in the last one.
TEST(ExpandNations, TheLastNeighbourSlotIsTaken) {
    auto world = SeaWorld(10);
    Land(*world, 1);
    Land(*world, 10);
    world->Neighbours[1] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    world->Settings.NationCount = 1;
    const int n = AddNation(*world, 1, 2, 2);
    ExpandNations(*world);
    EXPECT_EQ(Owned(world->Nations[n]), (std::vector<int>{1, 10}));
    EXPECT_EQ(world->Provinces[10].Owner, n);
}

// Over many seeded runs of placement and expansion on the large map: nobody holds more than
// 10 provinces, no province is in two lists, and the owners match the placed nations' lists.
TEST(ExpandNations, OwnersMatchListsOverManyRuns) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        auto world = LargeWorld(seed);
        world->Settings.RandomStartLoc = static_cast<int8_t>(seed % 7);
        world->Settings.StartingCountrySize = static_cast<int8_t>(seed % 3 == 0 ? 3 : 0);
        Random random(seed);
        SelectMajors(*world, random);
        if (world->Settings.RandomStartLoc > 0) PlaceNations(*world, random);
        ExpandNations(*world);
        std::set<int> seen;
        for (int n = 1; n <= world->NationsLoaded; ++n) {
            if (!IsPlacedNation(*world, n)) continue;
            const TNation& nation = world->Nations[n];
            const std::vector<int> owned = Owned(nation);
            ASSERT_LE(owned.size(), 10u);
            if (world->Settings.StartingCountrySize == 3) {
                ASSERT_LE(owned.size(), 3u);
            }
            EXPECT_EQ(TargetSize(*world, n) - nation.SizeShortfall, static_cast<int>(owned.size()));
            EXPECT_LE(Known(nation).size(), 10u);
            for (int p : owned) {
                EXPECT_TRUE(seen.insert(p).second) << "province " << p << " held twice";
                EXPECT_EQ(world->Provinces[p].Owner, n);
            }
        }
        for (int p = 1; p <= world->ProvinceCount(); ++p) {
            const int owner = world->Provinces[p].Owner;
            if (owner != 0 && IsPlacedNation(*world, owner)) {
                EXPECT_TRUE(seen.count(p)) << p;
            }
        }
    }
}
