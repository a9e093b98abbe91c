// Presets: broken files refused with their name and reason, the user's presets found by name,
// and the built-in ones each changing the world the way it says.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "session/PresetStore.h"
#include "session/SeedSweep.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

// The user's configuration folder for one test.
struct ConfigFolder {
    test::TempDir dir;
    test::UserConfigAt config{dir.str()};
    fs::path Presets() const { return dir.path / "tq3gen" / "presets"; }
};

// The demo world's balance for seeds 1..20 with the overrides, summed where it adds up.
struct Outcome {
    double nativeShare = 0;
    int land = 0, majorsOnCoast = 0, majorManpower = 0, majors = 0;
};
Outcome DemoOutcome(const SettingValues& overrides) {
    test::TempDir dir;
    test::CopyTree(TQ3_BINARY_DIR "/demo-game", dir.path);
    auto world = test::NewWorld();
    world->ProgramFolder = dir.str();
    world->SettingOverrides = overrides;
    QuietDialogs quiet;
    EXPECT_FALSE(LoadSettings(*world, quiet, true).refused);
    const SeedSweep sweep(*world);
    auto scratch = test::NewWorld();
    Outcome o;
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        const WorldBalance b = sweep.Measure(seed, *scratch);
        o.nativeShare += b.nativeShare;
        o.land += scratch->LandProvinceCount;
        for (const MajorBalance& m : b.majors) {
            o.majorsOnCoast += m.coastal > 0;
            o.majorManpower += m.manpower;
            ++o.majors;
        }
    }
    return o;
}

}  // namespace

TEST(Preset, BrokenPresetsAreRefusedWithTheirNameAndTheReason) {
    ConfigFolder config;
    struct Case {
        std::string text;
        std::string reason;
    };
    const Case cases[] = {
        {"{\"settings\": {}", "it is not JSON"},
        {"[]", "not a JSON object"},
        {"{\"description\": \"x\"}", "no member \"settings\""},
        {"{\"settings\": {}, \"seed\": 1}", "unknown member \"seed\""},
        {"{\"settings\": {\"NoSuchKey\": \"1\"}}", "\"NoSuchKey\" is not a key"},
        {"{\"settings\": {\"GeneratorMode\": \"2\"}}", "belongs in \"generatorMode\""},
        {"{\"settings\": {\"Temperature\": \"300\"}}", "out of range"},
        {"{\"settings\": {\"Temperature\": 3}}", "must be a text"},
        {"{\"generatorMode\": 3, \"settings\": {}}", "\"generatorMode\" must be"},
        {"{\"settings\": {}, \"settings\": {}}", "twice in one object"},
        {"{\"settings\": {\"Age\": \"1\"}, \"description\": \"" + std::string(MaxPresetSize, 'a') +
             "\"}",
         "larger than a preset can be"},
    };
    fs::create_directories(config.Presets());
    for (const Case& c : cases) {
        const fs::path file = config.Presets() / "mine.json";
        test::WriteFile(file, c.text);
        for (const PresetResult& r : {FindPreset("mine"), FindPreset(file.string())}) {
            EXPECT_FALSE(r.preset) << c.text;
            EXPECT_NE(r.error.find("mine.json"), std::string::npos) << r.error;
            EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
        }
        const PresetList list = ListPresets();
        ASSERT_EQ(list.problems.size(), 1u) << c.text;
        EXPECT_EQ(list.presets.size(), BuiltInPresets().size());
    }
    fs::remove(config.Presets() / "mine.json");
    fs::create_directory(config.Presets() / "folder.json");
    EXPECT_NE(FindPreset("folder").error.find("not a regular file"), std::string::npos);
    EXPECT_NE(FindPreset("nothing").error.find("no preset named \"nothing\""), std::string::npos);
}

TEST(Preset, TheUsersPresetIsFoundByNameAndTakesABuiltInsPlace) {
    ConfigFolder config;
    const Preset mine{"open-world", "Mine, caf\xc3\xa9", 2, {{"ScenarioName", "Caf\xe9"}}, false};
    test::WriteFile(config.Presets() / "open-world.json", PresetJson(mine));
    const PresetResult found = FindPreset("open-world");
    ASSERT_TRUE(found.preset) << found.error;
    EXPECT_EQ(found.preset->description, mine.description);
    EXPECT_EQ(PresetOverrides(*found.preset),
              (SettingValues{{"GeneratorMode", "2"}, {"ScenarioName", "Caf\xe9"}}));
    const PresetList list = ListPresets();
    EXPECT_EQ(list.presets.size(), BuiltInPresets().size());
    EXPECT_EQ(std::count_if(list.presets.begin(), list.presets.end(),
                            [](const Preset& p) { return p.name == "open-world" && !p.builtIn; }),
              1);
}

TEST(Preset, EachBuiltInPresetChangesWhatItSays) {
    ASSERT_TRUE(fs::exists(TQ3_BINARY_DIR "/demo-game"));
    const auto overrides = [](const std::string& name) {
        const PresetResult found = FindPreset(name);
        EXPECT_TRUE(found.preset) << found.error;
        // What it keeps survives its own file.
        const PresetResult again = ParsePreset(name, PresetJson(*found.preset));
        EXPECT_TRUE(again.preset) << again.error;
        return PresetOverrides(*again.preset);
    };
    EXPECT_EQ(BuiltInPresets().size(), 4u);
    const Outcome game = DemoOutcome({});
    const Outcome crowded = DemoOutcome(overrides("small-crowded"));
    EXPECT_LT(crowded.land * 10, game.land * 9);
    EXPECT_LT(crowded.nativeShare, game.nativeShare);
    const Outcome harsh = DemoOutcome(overrides("harsh-climate"));
    EXPECT_LT(harsh.majorManpower * 4, game.majorManpower * 3);
    const Outcome equal = DemoOutcome(overrides("equal-majors"));
    EXPECT_EQ(equal.majorsOnCoast, equal.majors);
    EXPECT_LT(game.majorsOnCoast, game.majors);
    const Outcome open = DemoOutcome(overrides("open-world"));
    EXPECT_GT(open.nativeShare, game.nativeShare + 10 * 20);
}
