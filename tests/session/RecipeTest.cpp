// Recipes: what a run records, the strict reading of a recipe file, and the settings kept as
// the settings file would hold them.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <string>
#include <vector>

#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "session/Recipe.h"
#include "session/RecipeStore.h"

namespace {

const std::string kHash(64, 'a');

// A sound recipe with `member` (a whole "name": value text) in place of the member of that
// name, or added when there is none.
std::string RecipeWith(const std::string& name = "", const std::string& member = "") {
    std::vector<std::pair<std::string, std::string>> members = {
        {"programVersion", "\"programVersion\": \"0.1.0\""},
        {"drawOrder", "\"drawOrder\": " + std::to_string(RecipeDrawOrder)},
        {"generatorMode", "\"generatorMode\": 0"},
        {"seed", "\"seed\": 18446744073709551615"},
        {"settings", "\"settings\": {\"Temperature\": \"-2\", \"GoodsProb\": \"1;2;3\"}"},
    };
    std::string files = "\"files\": {";
    bool first = true;
    for (const std::string& f : RecipeInputFiles(0)) {
        files += (first ? "\"" : ", \"") + f + "\": \"" + kHash + "\"";
        first = false;
    }
    members.emplace_back("files", files + "}");
    bool replaced = false;
    for (auto& [n, text] : members)
        if (n == name) {
            text = member;
            replaced = true;
        }
    if (!replaced && !name.empty()) members.emplace_back(name, member);
    std::string json = "{";
    for (std::size_t i = 0; i < members.size(); ++i)
        if (!members[i].second.empty()) json += (i ? ", " : "") + members[i].second;
    return json + "}";
}

std::string FilesWith(const std::string& extra) {
    return "\"files\": {" + extra + "\"Config/TQ3Gener.csv\": null}";
}

TEST(Recipe, ReadsWhatItWritesByteForByte) {
    const RecipeResult read = ParseRecipe(RecipeWith());
    ASSERT_TRUE(read.recipe) << read.error;
    Recipe recipe = *read.recipe;
    EXPECT_EQ(recipe.seed, 18446744073709551615ull);
    // An 8-bit name and a file that was not there come back as they were.
    recipe.settings.emplace_back("ScenarioName", "Caf\xe9 \x80");
    recipe.files[2].sha256.reset();
    EXPECT_TRUE(recipe.rerolls.empty());
    recipe.rerolls = {{DrawStep::Religions, 1234}, {DrawStep::Placement, UINT64_MAX}};
    const RecipeResult again = ParseRecipe(RecipeJson(recipe));
    ASSERT_TRUE(again.recipe) << again.error;
    EXPECT_EQ(again.recipe->rerolls, recipe.rerolls);
    EXPECT_EQ(again.recipe->settings, recipe.settings);
    EXPECT_FALSE(again.recipe->files[2].sha256);
    EXPECT_EQ(again.recipe->files[3].sha256, kHash);
}

TEST(Recipe, RefusesWhatIsNotARecipeAndNamesTheProblem) {
    const std::string all = FilesWith("");
    struct Case {
        std::string text, says;
    } cases[] = {
        {"seed: 1", "is not JSON"},
        {"[1, 2]", "not a JSON object"},
        {RecipeWith("drawOrder", "\"drawOrder\": 0"), "another order (draw order 0"},
        {RecipeWith("extra", "\"extra\": 1"), "unknown member \"extra\""},
        {RecipeWith("rerolls", "\"rerolls\": []"), "\"rerolls\" but no \"recipeVersion\""},
        {RecipeWith("recipeVersion", "\"recipeVersion\": 2"), "has no member \"rerolls\""},
        {RecipeWith("recipeVersion", "\"recipeVersion\": 3, \"rerolls\": []"),
         "reads recipes of version 1 and 2"},
        {RecipeWith("recipeVersion", "\"recipeVersion\": 2, \"rerolls\": [\"weather=1\"]"),
         "\"weather\" is not a step of the run"},
        {RecipeWith("recipeVersion",
                    "\"recipeVersion\": 2, \"rerolls\": [\"goods=1\", \"goods=2\"]"),
         "out of the steps' order or names a step twice"},
        {RecipeWith("seed", ""), "has no member \"seed\""},
        {RecipeWith("seed", "\"seed\": -1"), "\"seed\" must be a whole number from 0"},
        {RecipeWith("seed", "\"seed\": 1.5"), "\"seed\" must be a whole number"},
        {RecipeWith("seed", "\"seed\": -0"), "not -0"},
        {RecipeWith("generatorMode", "\"generatorMode\": 3"), "from 0 to 2, not 3"},
        {RecipeWith("settings", "\"settings\": {\"Tempature\": \"1\"}"),
         "\"Tempature\" is not a key of TQ3Gener.csv"},
        {RecipeWith("settings", "\"settings\": {\"Temperature\": \"300\"}"),
         "\"300\" of setting Temperature is out of range"},
        {RecipeWith("settings", "\"settings\": {\"IsRandomGoods\": \"yes\"}"), "takes 0 or 1"},
        {RecipeWith("settings", "\"settings\": {\"ScenarioFileName\": \"a;b\"}"),
         "of setting ScenarioFileName is out of range"},
        {RecipeWith("settings", "\"settings\": {\"Temperature\": 2}"), "must be a text"},
        {RecipeWith("settings", "\"settings\": {\"ScenarioName\": \"\\u20ac\"}"), "above code 255"},
        {RecipeWith("settings", "\"settings\": {\"GeneratorMode\": \"1\"}"),
         "belongs in \"generatorMode\""},
        {RecipeWith("settings", "\"settings\": {\"Age\": \"1\", \"Age\": \"2\"}"),
         "names \"Age\" twice"},
        {RecipeWith("settings", "\"settings\": {\"Age\": {\"a\": [1]}}"), "nested deeper"},
        {RecipeWith("files", FilesWith("\"../Config/TQ3Gener.csv\": null, ")),
         "not inside the game folder"},
        {RecipeWith("files", FilesWith("\"/etc/passwd\": null, ")), "not inside the game folder"},
        {RecipeWith("files", FilesWith("\"Config\\\\TQ3Gener.csv\": null, ")),
         "not inside the game folder"},
        {RecipeWith("files", FilesWith("\"DB/province.csv\": null, ")),
         "\"DB/province.csv\", which a run in generator mode 0 does not read"},
        {RecipeWith("files", all), "has no hash of Config/TQ3GenerProvince.csv"},
        {RecipeWith("files", "\"files\": {\"Config/TQ3Gener.csv\": \"ABC\"}"),
         "64 lowercase hexadecimal digits"},
    };
    for (const Case& c : cases) {
        const RecipeResult read = ParseRecipe(c.text);
        EXPECT_FALSE(read.recipe) << c.text;
        EXPECT_NE(read.error.find(c.says), std::string::npos)
            << c.text << "\n  said: " << read.error << "\n  expected: " << c.says;
    }
}

class RecipeOfRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
        world->ProgramFolder = dir.str();
        ASSERT_FALSE(LoadSettings(*world, dialogs, true).refused);
    }
    test::TempDir dir;
    std::unique_ptr<World> world = test::NewWorld();
    test::RecordingDialogs dialogs;
};

TEST_F(RecipeOfRunTest, KeepsWhatTheUserChangedAndReplaysItIntoTheSameSettings) {
    // Changes made in the window, not through the settings file.
    world->Settings.Temperature = static_cast<int8_t>(world->Settings.Temperature + 1);
    world->Settings.ScenarioName = "Shared \xe9";
    world->Settings.GoodsProb[3] = 77;
    world->Settings.GeneratorMode = 2;
    const RecipeResult made = RecipeOfRun(*world, 5);
    ASSERT_TRUE(made.recipe) << made.error;
    EXPECT_EQ(made.recipe->generatorMode, 2);
    EXPECT_EQ(made.recipe->files.back().path, "Backup/Province.csv");
    ASSERT_EQ(made.recipe->settings.size(), 3u);

    // A fresh load with the recipe's overrides gives the same settings.
    auto again = test::NewWorld();
    again->ProgramFolder = dir.str();
    again->SettingOverrides = RecipeOverrides(*ParseRecipe(RecipeJson(*made.recipe)).recipe);
    ASSERT_FALSE(LoadSettings(*again, dialogs, true).refused);
    EXPECT_TRUE(ChangedSettings(again->Settings, world->Settings).empty());
}

TEST_F(RecipeOfRunTest, RefusesAValueTheSettingsFileCannotHold) {
    world->Settings.ScenarioFileName = "a;b";
    const RecipeResult made = RecipeOfRun(*world, 5);
    EXPECT_FALSE(made.recipe);
    EXPECT_NE(made.error.find("ScenarioFileName holds \"a;b\""), std::string::npos) << made.error;
}

TEST_F(RecipeOfRunTest, NamesTheInputFilesThatDiffer) {
    const Recipe recipe = *RecipeOfRun(*world, 1).recipe;
    EXPECT_TRUE(DifferingFiles(recipe, dir.str()).empty());
    test::WriteFile(dir.path / "Config/TQ3GenerProvince.csv", "changed");
    std::filesystem::remove(dir.path / "Config/TQ3GenerCountry.csv");
    const std::vector<DifferingFile> differing = DifferingFiles(recipe, dir.str());
    ASSERT_EQ(differing.size(), 2u);
    EXPECT_EQ(differing[0].path, "Config/TQ3GenerProvince.csv");
    EXPECT_EQ(differing[0].how, "changed");
    EXPECT_EQ(differing[1].how, "missing");
}

}  // namespace

// A recipe file that is not a regular file, or is larger than a recipe can be, is refused
// unread and said to be what it is.
TEST(Recipe, OddFilesAreRefusedUnreadForWhatTheyAre) {
    test::TempDir dir;
    const std::filesystem::path big = dir.path / "big.json";
    test::WriteFile(big, "{");
    std::filesystem::resize_file(big, std::uintmax_t{1} << 30);
    std::filesystem::create_directory(dir.path / "folder.json");
    struct Case {
        std::string path, says;
    };
    std::vector<Case> cases = {
        {(dir.path / "missing.json").string(), "\"does not exist!"},
        {(dir.path / "folder.json").string(), "(it is a folder)"},
        {big.string(), "(it holds 1073741824 bytes; at most 1048576 are read)"},
    };
#ifndef _WIN32
    ::mkfifo((dir.path / "fifo.json").c_str(), 0600);
    cases.push_back({(dir.path / "fifo.json").string(), "(it is not a regular file)"});
    cases.push_back({"/dev/zero", "(it is not a regular file)"});
#endif
    for (const Case& c : cases) {
        const RecipeResult read = ReadRecipeFile(c.path);
        EXPECT_FALSE(read.recipe) << c.path;
        EXPECT_NE(read.error.find(c.says), std::string::npos) << read.error;
    }
}
