#include <atomic>
#include <cstdio>
#include <filesystem>

#include "ProcessSupport.h"
#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "session/BalanceSummary.h"
#include "session/SeedSweep.h"
#include "session/WorldSummary.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

const char* const kDemoGame = TQ3_BINARY_DIR "/demo-game";

// The world of a copy of the demo game, loaded in full with the settings given.
std::unique_ptr<World> LoadDemo(const fs::path& folder,
                                const std::vector<std::pair<std::string, std::string>>& settings) {
    auto world = test::NewWorld();
    world->ProgramFolder = folder.string();
    world->SettingOverrides = settings;
    QuietDialogs quiet;
    EXPECT_FALSE(LoadSettings(*world, quiet, true).refused);
    return world;
}

// What `tq3gen generate` prints on its standard output.
std::string GenerateOutput(std::vector<std::string> arguments, const fs::path& scratch) {
    arguments.insert(arguments.begin(), "generate");
    return test::RunProgram(TQ3_EXECUTABLE, arguments, scratch).out;
}

std::vector<std::string> RowTexts(const SeedSweep& sweep, uint64_t first, uint64_t last, int jobs,
                                  std::vector<uint64_t>& seeds) {
    std::vector<std::string> texts;
    std::atomic<bool> cancel{false};
    sweep.Run(
        first, last, jobs,
        [&](const SweepRow& row) {
            seeds.push_back(row.seed);
            texts.push_back(DescribeBalance(sweep.Loaded(), row.balance));
        },
        cancel);
    return texts;
}

}  // namespace

// The row of a seed is the summary that `generate --seed` prints for the world it writes.
TEST(SeedSweep, RowOfEachSeedIsTheWorldThatGenerateWrites) {
    ASSERT_TRUE(fs::exists(kDemoGame));
    struct Case {
        int mode;
        std::vector<uint64_t> seeds;
        std::vector<std::pair<std::string, std::string>> settings;
    };
    const Case cases[] = {
        {0, {1, 2, 3}, {}},
        {2, {4, 5}, {}},
        {0, {6}, {{"DontChangeEurope", "1"}, {"RandomizeGoodsValues", "1"}, {"CoTCount", "3"}}},
        {0, {7}, {{"DontChangeAsia", "1"}, {"RandomStartLoc", "0"}}},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        test::CopyTree(kDemoGame, dir.path);
        auto settings = c.settings;
        settings.insert(settings.begin(), {"GeneratorMode", std::to_string(c.mode)});
        const auto loaded = LoadDemo(dir.path, settings);
        test::RecordingDialogs dialogs;
        ASSERT_FALSE(SeedSweep::Check(*loaded, dialogs).refused)
            << ::testing::PrintToString(dialogs.errors);
        const SeedSweep sweep(*loaded);
        auto scratch = test::NewWorld();
        for (uint64_t seed : c.seeds) {
            const std::string row = DescribeBalance(*loaded, sweep.Measure(seed, *scratch));
            // The whole summary: the centres of trade, drawn after the measures, agree too.
            const std::string world = DescribeWorld(*scratch);
            std::vector<std::string> arguments = {"--game-dir", dir.str(),
                                                  "--mode",     std::to_string(c.mode),
                                                  "--seed",     std::to_string(seed)};
            for (const auto& [key, value] : c.settings)
                arguments.insert(arguments.end(), {"--set", key + "=" + value});
            const std::string summary = GenerateOutput(arguments, dir.path);
            EXPECT_NE(summary.find(row), std::string::npos)
                << ::testing::PrintToString(arguments) << "\nsweep row:\n"
                << row << "generate printed:\n"
                << summary;
        }
    }
}

TEST(SeedSweep, RowsComeInSeedOrderAndAlikeForOneAndTwoWorkersAndStopOnCancel) {
    test::TempDir dir;
    test::CopyTree(kDemoGame, dir.path);
    const auto loaded = LoadDemo(dir.path, {});
    const SeedSweep sweep(*loaded);
    std::vector<uint64_t> seedsOne, seedsTwo;
    const auto one = RowTexts(sweep, 10, 109, 1, seedsOne);
    const auto two = RowTexts(sweep, 10, 109, 2, seedsTwo);
    ASSERT_EQ(seedsOne.size(), 100u);
    for (std::size_t i = 0; i < seedsOne.size(); ++i) EXPECT_EQ(seedsOne[i], 10 + i);
    EXPECT_EQ(seedsTwo, seedsOne);
    EXPECT_EQ(two, one);
    // Different seeds draw different worlds.
    EXPECT_NE(one[0], one[1]);

    // A range that ends at the highest seed ends there.
    std::vector<uint64_t> top;
    RowTexts(sweep, UINT64_MAX - 2, UINT64_MAX, 2, top);
    EXPECT_EQ(top, (std::vector<uint64_t>{UINT64_MAX - 2, UINT64_MAX - 1, UINT64_MAX}));

    // Cancel after the fifth row: what was measured before it still comes, in order.
    std::atomic<bool> cancel{false};
    std::vector<uint64_t> seeds;
    const uint64_t given = sweep.Run(
        1, 100000, 2,
        [&](const SweepRow& row) {
            seeds.push_back(row.seed);
            if (seeds.size() == 5) cancel = true;
        },
        cancel);
    EXPECT_EQ(given, seeds.size());
    EXPECT_GE(seeds.size(), 5u);
    EXPECT_LT(seeds.size(), 1000u);
    for (std::size_t i = 0; i < seeds.size(); ++i) EXPECT_EQ(seeds[i], 1 + i);
}

TEST(SeedSweep, RefusesWhatGenerateRefusesAndMapOnlyRuns) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> settings;
        std::string error;  // the start of the message
    };
    const Case cases[] = {
        {{{"GeneratorMode", "1"}}, "GeneratorMode is 1 (map only)"},
        {{{"ProvinceCount", "abc"}}, "ProvinceCount"},
        {{{"ScenarioFileName", "../x"}}, "ScenarioFileName"},
        {{{"NationCount", "50"}}, "NationCount"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
        auto world = test::NewWorld();
        world->ProgramFolder = dir.str();
        world->SettingOverrides = c.settings;
        QuietDialogs quiet;
        LoadSettings(*world, quiet, true);
        test::RecordingDialogs dialogs;
        EXPECT_TRUE(SeedSweep::Check(*world, dialogs).refused) << c.error;
        ASSERT_EQ(dialogs.errors.size(), 1u) << c.error;
        EXPECT_NE(dialogs.errors[0].find(c.error), std::string::npos) << dialogs.errors[0];
    }
}
