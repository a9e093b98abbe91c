#include "NationTestWorld.h"
#include "TestSupport.h"
#include "engine/Majors.h"

using namespace tq3;

using namespace nationtest;

namespace {
std::unique_ptr<World> TaggedWorld(std::initializer_list<const char*> tags) {
    auto world = SeaWorld(10);
    for (const char* tag : tags) world->Nations[AddNation(*world, 0)].Tag = tag;
    world->Settings.NationCount = static_cast<int16_t>(tags.size());
    return world;
}
}  // namespace

TEST(SelectMajors, SpecifiedTagsMatchExactlyAndCountRepeats) {
    auto world = TaggedWorld({"ENG", "FRA", "SPA", "ENG", "eng"});
    world->Settings.SpecifiedMajors = "ENG;FRA;XXX;ENG;;SPA; FRA";
    world->Settings.MajorCount = 1;
    test::ScriptedRandom random;
    SelectMajors(*world, random);
    // XXX, the empty tag and " FRA" match nothing; ENG is the first nation tagged so.
    EXPECT_EQ(world->MajorNations.count(), 3u);
    EXPECT_TRUE(world->MajorNations[1] && world->MajorNations[2] && world->MajorNations[3]);
    EXPECT_EQ(world->Settings.MajorCount, 4);
    EXPECT_TRUE(random.asked.empty());
}

TEST(SelectMajors, RandomDrawRepeatsUntilANewNation) {
    auto world = TaggedWorld({"A", "B", "C", "D", "E"});
    world->Settings.IsRandomMajor = true;
    world->Settings.MajorCount = 2;
    world->MajorNations.set(4);  // left from an earlier run
    test::ScriptedRandom random{2, 2, 4};
    SelectMajors(*world, random);
    EXPECT_EQ(random.asked, (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(world->MajorNations.count(), 2u);
    EXPECT_TRUE(world->MajorNations[3] && world->MajorNations[5]);
}

TEST(SelectMajors, MoreMajorsThanNationsEndsWithEveryNation) {
    auto world = TaggedWorld({"A", "B", "C"});
    world->Settings.IsRandomMajor = true;
    world->Settings.MajorCount = 8;
    Random random(7);
    SelectMajors(*world, random);
    EXPECT_EQ(world->MajorNations.count(), 3u);
}
