#include "NationTestWorld.h"
#include "TestSupport.h"
#include "engine/CentresOfTrade.h"
#include "engine/ScenarioNations.h"

using namespace tq3;

using namespace nationtest;

// Nation 1 is a major and nation 2 a minor, both with the CoT specific; nations 3 and 4 have
// none. The random source always gives 0, so every random draw hits nation 1.
TEST(PlaceCentresOfTrade, EachNationGetsOneCentreAndDrawsOnHeldNationsGiveUp) {
    struct Case {
        const char* what;
        bool toMajor, toTrade;
        int nationCount, cotCount;
        std::vector<int> toMajors, toTraders, drawn;
        std::size_t draws;
    };
    const Case cases[] = {
        {"a major trader's one centre", false, true, 4, 8, {1}, {2}, {}, 0},
        // Draws from 1..4 keep hitting nation 1: after 100 draws per drawable nation the lowest
        // nation without a centre takes it.
        {"redraws given up", true, true, 9, 3, {1}, {2}, {3}, 400},
    };
    for (const Case& c : cases) {
        auto world = SeaWorld(10);
        for (int capital = 1; capital <= 4; ++capital)
            AddNation(*world, capital, 2, 1, capital <= 2 ? uint32_t{SpecCoT} : 0u);
        world->MajorNations.set(1);
        world->Settings.ForceCoTtoMajor = c.toMajor;
        world->Settings.ForceCoTtoTrade = c.toTrade;
        world->Settings.NationCount = static_cast<int16_t>(c.nationCount);
        world->Settings.CoTCount = static_cast<int16_t>(c.cotCount);
        test::ScriptedRandom random;
        const TradeCentres centres = PlaceCentresOfTrade(*world, random, ScenarioNations(*world));
        EXPECT_EQ(centres.toMajors, c.toMajors) << c.what;
        EXPECT_EQ(centres.toTraders, c.toTraders) << c.what;
        EXPECT_EQ(centres.drawn, c.drawn) << c.what;
        EXPECT_EQ(random.asked.size(), c.draws) << c.what;
    }
}
