// Recipes across game folders: a run recorded on one fresh copy of the demo world and
// replayed on another gives the same bytes; an input that differs stops the replay before
// anything is written.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "cli/CliSupport.h"

namespace fs = std::filesystem;
using clitest::RunTq3;
using clitest::Tree;

namespace {

class RecipeRuns : public ::testing::Test {
  protected:
    void SetUp() override {
        // The recipe of the last run goes to this test's own state folder.
        ::setenv("XDG_STATE_HOME", (scratch.path / "state").c_str(), 1);
        test::CopyTree(demo, first.path);
        test::CopyTree(demo, second.path);
    }
    // The demo game folder that every build writes.
    const fs::path demo = TQ3_BINARY_DIR "/demo-game";
    test::TempDir first, second, scratch;
};

TEST_F(RecipeRuns, ReplayOnAnotherCopyGivesTheSameFiles) {
    struct Case {
        std::string mode;
        std::vector<std::string> sets, rerolls;
        bool firstVersion;  // replayed from a recipe of the form without rerolls
    } cases[] = {
        {"0",
         {"Temperature=2", "IsRandomGoods=0", "CoTCount=3", "ScenarioName=Shared World"},
         {},
         false},
        {"2", {"RandomizeDP=1", "StartingFunds=400"}, {}, true},
        {"0", {"RandomizeDP=1"}, {"placement=77", "religions=1234", "climate=5"}, false},
    };
    for (const Case& c : cases) {
        test::TempDir a, b;
        test::CopyTree(demo, a.path);
        test::CopyTree(demo, b.path);
        const std::string recipe = (scratch.path / ("run" + c.mode + ".json")).string();
        std::vector<std::string> args = {"generate", "--game-dir", a.str(), "--mode",
                                         c.mode,     "--recipe",   recipe};
        for (const std::string& s : c.sets) args.insert(args.end(), {"--set", s});
        for (const std::string& r : c.rerolls) args.insert(args.end(), {"--reroll", r});
        const clitest::Result made = RunTq3(args, scratch.path);
        ASSERT_EQ(made.status, 0) << made.err;
        for (const std::string& r : c.rerolls)
            EXPECT_NE(made.out.find("Rerolled: " + r + "\n"), std::string::npos) << made.out;
        // The last run's recipe is the same recipe, kept outside the game folder.
        EXPECT_EQ(test::ReadFile(scratch.path / "state/tq3gen/last-run-recipe.json"),
                  test::ReadFile(recipe));
        if (c.firstVersion) {
            std::string text = test::ReadFile(recipe), kept;
            std::istringstream lines(text);
            for (std::string line; std::getline(lines, line);)
                if (line.find("\"recipeVersion\"") == std::string::npos &&
                    line.find("\"rerolls\"") == std::string::npos)
                    kept += line + "\n";
            ASSERT_NE(kept, text);
            test::WriteFile(recipe, kept);
        }

        const clitest::Result replayed =
            RunTq3({"replay", recipe, "--game-dir", b.str()}, scratch.path);
        ASSERT_EQ(replayed.status, 0) << replayed.err;
        EXPECT_TRUE(Tree(a.path) == Tree(b.path)) << "mode " << c.mode;
    }
}

TEST_F(RecipeRuns, ADifferingInputIsNamedAndNothingIsWritten) {
    const std::string recipe = (scratch.path / "run.json").string();
    ASSERT_EQ(
        RunTq3({"generate", "--game-dir", first.str(), "--recipe", recipe}, scratch.path).status,
        0);

    // Another province template: one sea zone renamed.
    const fs::path tmpl = second.path / "Config/TQ3GenerProvince.csv";
    std::string text = test::ReadFile(tmpl);
    const std::size_t at = text.find(";Ahwee Strait;");
    ASSERT_NE(at, std::string::npos);
    text.insert(at + 13, "s");
    test::WriteFile(tmpl, text);
    const auto before = Tree(second.path);
    const clitest::Result refused =
        RunTq3({"replay", recipe, "--game-dir", second.str()}, scratch.path);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Config/TQ3GenerProvince.csv (changed)"), std::string::npos)
        << refused.err;
    EXPECT_TRUE(Tree(second.path) == before);

    // A recipe that is not one, or a recipe target inside the game's folders: nothing written.
    test::WriteFile(scratch.path / "bad.json", "{\"seed\": 1}");
    const clitest::Result bad = RunTq3(
        {"replay", (scratch.path / "bad.json").string(), "--game-dir", second.str()}, scratch.path);
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("bad.json\" cannot be used: it has no member"), std::string::npos)
        << bad.err;
    const clitest::Result inside = RunTq3(
        {"generate", "--game-dir", second.str(), "--recipe", (second.path / "DB/r.json").string()},
        scratch.path);
    EXPECT_EQ(inside.status, 1);
    EXPECT_NE(inside.err.find("inside the game folder's own DB/ folder"), std::string::npos)
        << inside.err;
    EXPECT_TRUE(Tree(second.path) == before);

    // --force replays anyway and says that the result may differ.
    const clitest::Result forced =
        RunTq3({"replay", recipe, "--game-dir", second.str(), "--force"}, scratch.path);
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(forced.err.find("the result may differ"), std::string::npos);
    EXPECT_FALSE(Tree(second.path) == before);
}

}  // namespace

namespace {

// The files of a folder by their names in lower case: a run into a fresh folder spells
// DB/province.csv as the writers do, the game's own folder keeps DB/Province.csv.
std::map<std::string, std::string> LowerTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto& [name, bytes] : Tree(root)) {
        std::string lower = name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        files[lower] = bytes;
    }
    return files;
}

TEST_F(RecipeRuns, OutWritesTheRunsFilesElsewhereAndLeavesTheGameFolderAsItWas) {
    // The first copy has its Backup/ from an earlier run; the second gets the same run in place.
    ASSERT_EQ(RunTq3({"generate", "--game-dir", first.str(), "--seed", "3"}, scratch.path).status,
              0);
    const auto before = Tree(first.path);
    const fs::path out = scratch.path / "out";
    const std::string recipe = (scratch.path / "out.json").string();
    const clitest::Result made =
        RunTq3({"generate", "--game-dir", first.str(), "--mode", "2", "--seed", "11", "--set",
                "RandomizeDP=1", "--out", out.string(), "--recipe", recipe},
               scratch.path);
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(Tree(first.path) == before);

    ASSERT_EQ(RunTq3({"replay", recipe, "--game-dir", second.str()}, scratch.path).status, 0);
    const auto inPlace = LowerTree(second.path);
    auto written = LowerTree(out);
    written.erase(".tq3gen.lock");  // the lock of the folder written
    ASSERT_EQ(written.size(), 3u);  // the scenario, the revolt table and the province table
    for (const auto& [name, bytes] : written) {
        ASSERT_TRUE(inPlace.count(name)) << name;
        EXPECT_TRUE(inPlace.at(name) == bytes) << name;
    }

    // replay --out into another folder gives the same files; the game's own folders refuse.
    const auto secondBefore = Tree(second.path);
    const fs::path again = scratch.path / "again";
    ASSERT_EQ(RunTq3({"replay", recipe, "--game-dir", second.str(), "--out", again.string()},
                     scratch.path)
                  .status,
              0);
    EXPECT_TRUE(Tree(again) == Tree(out));
    EXPECT_TRUE(Tree(second.path) == secondBefore);
    const clitest::Result inside = RunTq3(
        {"generate", "--game-dir", second.str(), "--out", (second.path / "Backup/x").string()},
        scratch.path);
    EXPECT_EQ(inside.status, 1);
    EXPECT_NE(inside.err.find("inside the game folder's own Backup/"), std::string::npos)
        << inside.err;
    EXPECT_TRUE(Tree(second.path) == secondBefore);
}

}  // namespace
