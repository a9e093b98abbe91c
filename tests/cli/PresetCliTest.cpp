// tq3gen with --preset: a preset with a --set over it writes the world of the same settings
// written in the settings file; `presets` lists them; a broken preset refuses the run.

#include "CliSupport.h"
#include "TestSupport.h"

using namespace clitest;

namespace {

struct Presets : ::testing::Test {
    test::TempDir scratch, config;
    test::UserConfigAt userConfig{config.str()};
};

// The settings file's line of `key` given `value`.
void SetInFile(const fs::path& game, const std::string& key, const std::string& value) {
    const fs::path file = game / "Config" / "TQ3Gener.csv";
    std::string text = test::ReadFile(file);
    const std::size_t at = text.find("\r\n" + key + ";") + 2;
    text.replace(at, text.find("\r\n", at) - at, key + ";" + value);
    test::WriteFile(file, text);
}

}  // namespace

TEST_F(Presets, APresetAndASetOverItWriteTheWorldOfTheSameSettingsInTheFile) {
    test::TempDir viaPreset, viaFile;
    test::CopyTree(TQ3_TEST_DATA "/mini", viaPreset.path);
    test::CopyTree(TQ3_TEST_DATA "/mini", viaFile.path);
    const fs::path preset = scratch.path / "cold.json";
    test::WriteFile(
        preset, R"({"generatorMode": 0, "settings": {"Temperature": "-3", "IncomeModif": "4"}})");
    const Result a =
        RunTq3({"generate", "--game-dir", viaPreset.str(), "--seed", "7", "--preset",
                preset.string(), "--set", "IncomeModif=-2", "--out", (scratch.path / "a").string()},
               scratch.path);
    SetInFile(viaFile.path, "Temperature", "-3");
    SetInFile(viaFile.path, "IncomeModif", "-2");
    const Result b = RunTq3({"generate", "--game-dir", viaFile.str(), "--seed", "7", "--out",
                             (scratch.path / "b").string()},
                            scratch.path);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(Tree(scratch.path / "a"), Tree(scratch.path / "b"));
    // The preset changed the world: without it the same seed draws another.
    const Result c = RunTq3({"generate", "--game-dir", viaPreset.str(), "--seed", "7", "--out",
                             (scratch.path / "c").string()},
                            scratch.path);
    EXPECT_NE(Tree(scratch.path / "c"), Tree(scratch.path / "a"));
}

TEST_F(Presets, AreListedAndABrokenOneRefusesTheRunWithNothingWritten) {
    const fs::path folder = config.path / "tq3gen" / "presets";
    test::WriteFile(folder / "mine.json", R"({"description": "Mine.", "settings": {"Age": "2"}})");
    const Result list = RunTq3({"presets"}, scratch.path);
    EXPECT_EQ(list.status, 0) << list.err;
    for (const char* shown : {"small-crowded  (built-in)", "open-world", "mine\n  Mine.\n  Age=2"})
        EXPECT_NE(list.out.find(shown), std::string::npos) << list.out;

    test::WriteFile(folder / "broken.json", R"({"settings": {"Age": "300"}})");
    const Result listed = RunTq3({"presets"}, scratch.path);
    EXPECT_EQ(listed.status, 1);
    EXPECT_NE(listed.err.find("broken.json\" cannot be used: the value \"300\" of setting Age"),
              std::string::npos)
        << listed.err;

    test::TempDir game;
    test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
    const auto before = Tree(game.path);
    for (const char* name : {"broken", "nothing"}) {
        const Result run =
            RunTq3({"generate", "--game-dir", game.str(), "--preset", name}, scratch.path);
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
        const Result sweep = RunTq3(
            {"sweep", "--game-dir", game.str(), "--seeds", "1..3", "--preset", name}, scratch.path);
        EXPECT_EQ(sweep.status, 1) << name;
    }
    EXPECT_EQ(Tree(game.path), before);
}
