#include <functional>

#include "NationTestWorld.h"
#include "TestSupport.h"
#include "engine/Majors.h"
#include "engine/Placement.h"

using namespace tq3;

using namespace nationtest;

namespace {
// Provinces 1..count land in Europe, linked in a chain; a map of `provinces`.
std::unique_ptr<World> ChainWorld(int provinces, int count) {
    auto world = SeaWorld(provinces);
    for (int p = 1; p <= count; ++p) {
        Land(*world, p);
        if (p > 1) Link(*world, p - 1, p);
    }
    return world;
}
}  // namespace

TEST(WanderFrom, StepsMoveOnlyOntoAllowedLand) {
    auto world = SeaWorld(420);
    for (int p : {100, 101, 102, 398, 415}) Land(*world, p);
    // 100 lists a sea province, 398, a province beyond ProvinceCount - 10 and 101.
    world->Neighbours[100] = {0, 200, 398, 415, 101};
    world->Neighbours[101] = {0, 100, 102};
    world->Settings.RandomStartLoc = 1;  // 4 steps
    test::ScriptedRandom random{0, 1, 2, 3};
    EXPECT_EQ(WanderFrom(*world, random, 100), 101);
    EXPECT_EQ(random.asked, (std::vector<int>{4, 4, 4, 4}));

    world->Settings.RandomStartLoc = 2;  // 8 steps: 100 -> 101 -> 102 (no neighbours) ...
    test::ScriptedRandom walk{3, 1};
    EXPECT_EQ(WanderFrom(*world, walk, 100), 102);
    EXPECT_EQ(walk.asked.size(), 2u);

    // Starts outside the map stay where they are without a draw.
    for (int start : {0, -3, 421, 2000}) {
        test::ScriptedRandom none;
        EXPECT_EQ(WanderFrom(*world, none, start), start);
        EXPECT_TRUE(none.asked.empty());
    }
}

TEST(PlaceNations, FromTryFiftyReligionNoLongerMatters) {
    auto world = ChainWorld(20, 20);
    for (int p = 1; p <= 20; ++p) world->Provinces[p].Religion = 1;
    const int n = AddNation(*world, 5, 5);
    world->Settings.RandomStartLoc = 6;
    test::ScriptedRandom random;  // every draw gives 0: province 1
    PlaceNations(*world, random);
    EXPECT_EQ(world->Nations[n].Capital(), 1);
    EXPECT_EQ(world->Provinces[1].Owner, n);
    EXPECT_EQ(world->Provinces[5].Owner, 0);
    EXPECT_EQ(random.asked, std::vector<int>(50, 19));
}

TEST(PlaceNations, HundredFailedTriesFallBackToAnyFreeLandProvince) {
    auto world = ChainWorld(20, 10);  // 11..20 are sea
    const int sunni = AddNation(*world, 5, 6);
    AddNation(*world, 3, 2, 1, SpecFixedStartLoc);
    world->Settings.RandomStartLoc = 6;
    test::ScriptedRandom random;
    for (int i = 0; i < 100; ++i) random.script.push_back(0);
    random.script.push_back(2);   // province 3: held by the fixed nation
    random.script.push_back(14);  // province 15: free, but sea, where a nation never grows
    random.script.push_back(6);   // province 7: free land
    PlaceNations(*world, random);
    EXPECT_FALSE(random.outOfRange);
    std::vector<int> asked(100, 19);
    asked.insert(asked.end(), {20, 20, 20});
    EXPECT_EQ(random.asked, asked);
    EXPECT_EQ(world->Nations[sunni].Capital(), 7);
    EXPECT_EQ(world->Provinces[7].Owner, sunni);
    EXPECT_EQ(world->Provinces[15].Owner, 0);
    EXPECT_EQ(world->Provinces[3].Owner, 2);
}

TEST(PlaceNations, WithoutFreeLandTheNationKeepsItsStart) {
    auto world = ChainWorld(20, 2);  // 3..20 are sea
    const int moved = AddNation(*world, 15, 6);
    AddNation(*world, 1, 2, 1, SpecFixedStartLoc);
    AddNation(*world, 2, 2, 1, SpecFixedStartLoc);
    world->Settings.RandomStartLoc = 6;
    Random random(3);
    PlaceNations(*world, random);  // ends, although sea provinces are free
    EXPECT_EQ(world->Nations[moved].Capital(), 15);
    EXPECT_EQ(world->Provinces[1].Owner, 2);
    EXPECT_EQ(world->Provinces[2].Owner, 3);
}

// The free draw covers provinces 1..ProvinceCount - 1: with the only land last, every try
// fails without a draw, and the fallback draw over the whole map places the nation.
TEST(PlaceNations, AFreeDrawThatFindsNoLandLeavesTheNationToTheFallback) {
    auto world = SeaWorld(10);
    Land(*world, 10);
    const int n = AddNation(*world, 10);
    world->Settings.RandomStartLoc = 6;
    test::ScriptedRandom random{9};
    PlaceNations(*world, random);
    EXPECT_EQ(world->Nations[n].Capital(), 10);
    EXPECT_EQ(world->Provinces[1].Owner, 0);
    EXPECT_EQ(random.asked, std::vector<int>{10});
}

// Each rule turns down province 1 for nation 1 (Catholic, RandomStartLoc 6); province 2
// passes, so the nation takes 2 after two draws.
TEST(PlaceNations, EachRejectRuleTurnsACandidateDown) {
    struct Case {
        const char* rule;
        std::function<void(World&)> setUp;
    };
    const std::vector<Case> cases = {
        {"owned", [](World& w) { AddNation(w, 1, 2, 1, SpecFixedStartLoc); }},
        {"naval to coast",
         [](World& w) {
             w.Settings.ForceNavaltoCoast = true;
             w.Nations[1].Specifics |= SpecPort;
             w.Provinces[2].IsCoastal = true;
         }},
        {"major to coast",
         [](World& w) {
             w.Settings.ForceMajortoCoast = true;
             w.MajorNations.set(1);
             w.Provinces[2].IsCoastal = true;
         }},
        {"european",
         [](World& w) {
             w.Settings.DontMoveEuroNations = true;
             w.Provinces[2].Continent = Asia;
             w.Provinces[5].Continent = Asia;  // the nation's own capital is not European
             w.Provinces[1].Continent = America;
             w.Settings.AreaNames[0] = "Anatolia";
             w.Provinces[1].Area = 1;
         }},
        {"america",
         [](World& w) {
             w.Settings.IsNationSpecifics = true;
             w.Nations[1].Specifics |= SpecStartAmerica;
             w.Provinces[2].Continent = America;
         }},
        {"sunni",
         [](World& w) {
             w.Nations[1].Religion = 6;
             w.Provinces[1].Religion = w.Provinces[2].Religion = 6;
             w.Provinces[2].Continent = Africa;
         }},
        {"unknowns only",
         [](World& w) {
             w.Settings.RandomizeUnknownsOnly = true;
             w.Nations[1].Specifics |= SpecUnknown;
             w.Provinces[1].Continent = Asia;
             w.Provinces[2].Continent = Oceania;
         }},
    };
    for (const Case& c : cases) {
        auto world = ChainWorld(20, 20);
        AddNation(*world, 5);
        world->Settings.RandomStartLoc = 6;
        c.setUp(*world);
        test::ScriptedRandom random{0, 1};
        PlaceNations(*world, random);
        EXPECT_EQ(world->Nations[1].Capital(), 2) << c.rule;
        EXPECT_EQ(random.asked.size(), 2u) << c.rule;
    }
}

TEST(PlaceNations, ReligionAndExcludedProvincesDecideAcceptance) {
    auto world = ChainWorld(240, 240);
    world->Provinces[1].Religion = 8;
    world->Provinces[2].Religion = 4;
    world->Settings.IslandsRangeMin = 150;
    world->Settings.IslandsRangeMax = 160;
    const int catholic = AddNation(*world, 20, 11);  // counterreformed takes Christian land
    world->Settings.RandomStartLoc = 6;
    // 155 is an island, 186 and 230 are never drawn, 1 has the wrong religion, 2 suits.
    test::ScriptedRandom random{154, 185, 229, 0, 1};
    PlaceNations(*world, random);
    EXPECT_EQ(world->Nations[catholic].Capital(), 2);
    EXPECT_EQ(random.asked.size(), 5u);
}

// A free draw that hits an island or a never-drawn province fails that try: it never becomes
// some other province (province 1 suits the nation here, so it would be taken).
TEST(PlaceNations, AnExcludedDrawFailsItsTry) {
    for (const int excluded : {154, 185}) {
        SCOPED_TRACE(excluded);
        auto world = ChainWorld(240, 240);
        for (int p = 1; p <= 240; ++p) world->Provinces[p].Religion = 4;
        world->Settings.IslandsRangeMin = 150;
        world->Settings.IslandsRangeMax = 160;
        const int catholic = AddNation(*world, 20, 11);
        world->Settings.RandomStartLoc = 6;
        test::ScriptedRandom random{excluded, 2};
        PlaceNations(*world, random);
        EXPECT_EQ(world->Nations[catholic].Capital(), 3);
    }
}

TEST(PlaceNations, EuropeanMajorsAndSiberiansDrawFromTheirRanges) {
    auto world = ChainWorld(700, 700);
    TGeneratorSettings& s = world->Settings;
    s.RandomStartLoc = 6;
    s.ForceMajortoEurope = true;
    s.IsNationSpecifics = true;
    s.EuropeRangeMin = 10;
    s.NearEastRangeMax = 14;
    s.NorthAfricaRangeMin = 30;
    s.NorthAfricaRangeMax = 32;
    const int major = AddNation(*world, 100);
    world->MajorNations.set(major);
    const int siberian = AddNation(*world, 101, 1, 1, SpecStartSiberia);
    // The major: offset 5 of 8 is the first North African province; the Siberian: range 1,
    // province 446 + 3, taken whatever its religion.
    test::ScriptedRandom random{5, 1, 3};
    PlaceNations(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{8, 3, 20}));
    EXPECT_EQ(world->Nations[major].Capital(), 30);
    EXPECT_EQ(world->Nations[siberian].Capital(), 449);
}

TEST(PlaceNations, StartsOutsideTheMapAreReplacedSafely) {
    auto world = ChainWorld(30, 30);
    const int none = AddNation(*world, 0);
    const int beyond = AddNation(*world, 1500);
    world->Neighbours[5][1] = 1600;  // a neighbour beyond the map
    world->Neighbours[5][2] = -4;
    const int walker = AddNation(*world, 5);
    world->Settings.RandomStartLoc = 3;
    Random random(3);
    PlaceNations(*world, random);
    for (int n : {none, beyond, walker}) {
        const int c = world->Nations[n].Capital();
        ASSERT_TRUE(world->IsValidProvince(c)) << n;
        EXPECT_EQ(world->Provinces[c].Owner, n);
    }
}

// Over many seeded runs on the large map: Muslim nations start in Asia or Africa, and with
// RandomizeUnknownsOnly only Unknown nations move and never into Europe or Asia - except by
// the last-resort draw.
TEST(PlaceNations, PlacementRulesHoldOverManyRuns) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        for (bool unknownsOnly : {false, true}) {
            auto world = LargeWorld(seed);
            world->Settings.RandomizeUnknownsOnly = unknownsOnly;
            const auto before = world->Nations;
            FallbackWatch random(seed, world->ProvinceCount());
            SelectMajors(*world, random);
            PlaceNations(*world, random);
            for (int n = 1; n <= world->NationsLoaded; ++n) {
                const TNation& nation = world->Nations[n];
                const int c = nation.Capital();
                ASSERT_EQ(world->Provinces[c].Owner, n);
                if (random.MayBeFallback(c)) continue;
                const std::string& continent = world->ContinentName(c);
                if (nation.Religion == 6 || nation.Religion == 7) {
                    EXPECT_TRUE(continent == "Asia" || continent == "Africa") << n;
                }
                if (!unknownsOnly) continue;
                if (!nation.Has(SpecUnknown) || nation.Has(SpecFixedStartLoc)) {
                    EXPECT_EQ(c, before[n].Capital()) << n;
                } else {
                    EXPECT_TRUE(continent != "Europe" && continent != "Asia") << n;
                }
            }
        }
    }
}

TEST(PlaceNations, SmallestSliderStaysWithinFourLandSteps) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        auto world = LargeWorld(seed);
        world->Settings.RandomStartLoc = 1;
        const auto before = world->Nations;
        FallbackWatch random(seed, world->ProvinceCount());
        PlaceNations(*world, random);
        int moved = 0;
        for (int n = 1; n <= world->NationsLoaded; ++n) {
            const int c = world->Nations[n].Capital();
            if (c != before[n].Capital()) ++moved;
            if (random.MayBeFallback(c)) continue;
            const int steps = LandSteps(*world, before[n].Capital(), c);
            EXPECT_TRUE(steps >= 0 && steps <= 4) << "nation " << n << " steps " << steps;
        }
        EXPECT_GT(moved, 100);
    }
}

// The program's own random source lets the placement work out several tries' walks at once;
// any other source walks them one by one. Both give the same starts and leave the source at
// the same draw, for every walk length, on a map where some provinces lead nowhere.
TEST(PlaceNations, WalksWorkedOutAheadPlaceAsWalksOneByOne) {
    struct OneByOne : RandomSource {
        Random& inner;
        explicit OneByOne(Random& r) : inner(r) {}
        int RandInt(int n) override { return inner.RandInt(n); }
        void Randomize() override { inner.Randomize(); }
    };
    for (int loc = 1; loc <= 5; ++loc)
        for (unsigned seed = 1; seed <= 6; ++seed) {
            auto ahead = LargeWorld(seed);
            ahead->Settings.RandomStartLoc = static_cast<int8_t>(loc);
            // Every seventh land province lists no neighbours: a walk that enters it stays.
            for (int p = 7; p <= ahead->ProvinceCount(); p += 7) ahead->Neighbours[p] = {};
            auto oneByOne = std::make_unique<World>(*ahead);
            Random fast(seed), slow(seed);
            OneByOne forwarding(slow);
            PlaceNations(*ahead, fast);
            PlaceNations(*oneByOne, forwarding);
            for (int n = 1; n <= ahead->NationCountLoaded(); ++n)
                ASSERT_EQ(ahead->Nations[n].Capital(), oneByOne->Nations[n].Capital())
                    << "RandomStartLoc " << loc << ", seed " << seed << ", nation " << n;
            EXPECT_EQ(fast.RandInt(1 << 30), slow.RandInt(1 << 30)) << loc << " " << seed;
        }
}
