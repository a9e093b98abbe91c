// Requirements of a search: what is read and what is refused, and the explanation's counts
// against a count by hand over the worlds of 500 seeds.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "session/SeedSweep.h"
#include "session/SweepRequirements.h"

using namespace tq3;

TEST(SweepRequirements, ReadWhatTheySayAndRefuseTheRest) {
    WorldBalance world;
    world.fairness = 0.8;
    world.room = 4;
    world.coastalMajors = 3;
    world.majors = {MajorBalance{}, MajorBalance{}};
    world.majors[0].capitalDistance = 6;
    world.majors[1].capitalDistance = 5;
    struct Case {
        std::string text;
        bool met;
    };
    const Case read[] = {
        {"fairness>=0.8", true}, {"fairness > 0.8", false},   {"room<=4", true},
        {"room<4", false},       {"coastal-majors==3", true}, {"coastal-majors==3.5", false},
        {"distance>=5", true},   {"distance>5", false},       {" native-land < -1 ", false},
    };
    for (const Case& c : read) {
        std::string why;
        const std::optional<Requirement> r = ParseRequirement(c.text, why);
        ASSERT_TRUE(r) << c.text << ": " << why;
        EXPECT_EQ(r->MetBy(world), c.met) << c.text;
    }
    for (const char* text : {"", "fairness", "fairness=0.8", "fairness=>0.8", "fairness!=1",
                             "fairness>=", ">=3", "fairness>=0.8x", "fairness>=nan", "Room>=3",
                             "loudness>=1", "room>=4>=5", "room>=1e999"}) {
        std::string why;
        EXPECT_FALSE(ParseRequirement(text, why)) << text;
        EXPECT_NE(why.find(std::string("\"") + text + "\""), std::string::npos) << why;
    }
}

// The worlds of seeds 1..500 of the demo world counted against three requirements by hand.
TEST(SweepRequirements, TheExplanationsCountsAgreeWithACountByHand) {
    test::TempDir dir;
    test::CopyTree(TQ3_BINARY_DIR "/demo-game", dir.path);
    auto world = test::NewWorld();
    world->ProgramFolder = dir.str();
    QuietDialogs quiet;
    ASSERT_FALSE(LoadSettings(*world, quiet, true).refused);
    const SeedSweep sweep(*world);

    std::vector<Requirement> requirements;
    for (const char* text : {"fairness>=0.6", "room>=4", "coastal-majors>=5"}) {
        std::string why;
        requirements.push_back(*ParseRequirement(text, why));
    }
    RequirementTally tally(requirements);
    uint64_t all = 0;
    std::array<uint64_t, 3> failed{}, alone{};
    std::atomic<bool> cancel{false};
    sweep.Run(
        1, 500, 2,
        [&](const SweepRow& row) {
            const WorldBalance& b = row.balance;
            const std::array<bool, 3> fails = {b.fairness < 0.6, b.room < 4, b.coastalMajors < 5};
            const int failures = fails[0] + fails[1] + fails[2];
            all += failures == 0;
            for (std::size_t i = 0; i < fails.size(); ++i) {
                failed[i] += fails[i];
                alone[i] += fails[i] && failures == 1;
            }
            EXPECT_EQ(tally.Offer(b), failures == 0) << row.seed;
        },
        cancel);
    EXPECT_EQ(tally.Drawn(), 500u);
    EXPECT_EQ(tally.MetAll(), all);
    for (std::size_t i = 0; i < failed.size(); ++i) {
        EXPECT_EQ(tally.Failed()[i], failed[i]) << i;
        EXPECT_EQ(tally.FailedAlone()[i], alone[i]) << i;
        // Each requirement turns some worlds away here, so that the counts say something.
        EXPECT_GT(alone[i], 0u) << i;
    }
    EXPECT_GT(all, 0u);
    const std::string text = ExplainSearch(tally);
    EXPECT_NE(text.find("Drew 500 worlds; " + std::to_string(all) + " met every requirement."),
              std::string::npos)
        << text;
    // Each requirement's line: its text, the worlds that failed it, those that failed it alone.
    std::istringstream lines(text.substr(text.find('\n', text.find("requirement ")) + 1));
    for (std::size_t i = 0; i < failed.size(); ++i) {
        std::string name;
        uint64_t inAll = 0, byItself = 0;
        lines >> name >> inAll >> byItself;
        EXPECT_EQ(name, requirements[i].text);
        EXPECT_EQ(inAll, failed[i]);
        EXPECT_EQ(byItself, alone[i]);
    }
}
