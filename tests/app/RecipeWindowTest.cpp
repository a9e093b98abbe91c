// The window's recipes: the recipe of a run saved from one window makes the same world in
// another window on a fresh copy of the game, rerolls included; a differing input is listed
// with a question.

#include <QLabel>
#include <QStatusBar>
#include <cstdlib>

#include "AppTestSupport.h"
#include "cli/CliSupport.h"

namespace {

// Window runs keep the recipe of the last run under the state folder: this program's own.
class RecipeStateFolder : public ::testing::Environment {
  public:
    void SetUp() override { ::setenv("XDG_STATE_HOME", folder.str().c_str(), 1); }
    test::TempDir folder;
};
[[maybe_unused]] ::testing::Environment* const kState =
    ::testing::AddGlobalTestEnvironment(new RecipeStateFolder);

using test::WindowTest;

// Replays `recipe` in a window on a fresh copy of the demo game under `dir` ("other"), then
// stays; gives that copy's folder.
std::filesystem::path ReplayInAnotherWindow(const std::filesystem::path& dir,
                                            const std::string& recipe, World& world) {
    const std::filesystem::path other = dir / "other";
    test::CopyTree(std::filesystem::path(TQ3_BINARY_DIR) / "demo-game", other);
    world.ProgramFolder = other.string();
    test::RecordingDialogs dialogs;
    tq3::TFormGener form(world, dialogs);
    form.FormActivate();
    dialogs.answers = {Answer::Yes, Answer::Cancel};
    EXPECT_TRUE(form.ReplayRecipe(recipe)) << ::testing::PrintToString(dialogs.errors);
    return other;
}

TEST_F(WindowTest, ARecipeSavedInOneWindowMakesTheSameWorldInAnother) {
    Open();
    S().Temperature = 3;  // as the user moves the slider
    S().CoTCount = 4;
    dialogs.answers = {Answer::Cancel};
    // The world of a seed with its start provinces drawn again, as the fair-world dialog
    // hands it over: the closing question, the status bar and the recipe name the reroll.
    form->RunGenerator(42, true, {{tq3::DrawStep::Placement, 77}});
    ASSERT_FALSE(dialogs.confirms.empty());
    EXPECT_NE(dialogs.confirms.back().find("Seed of this run: 42\r\nRerolled: placement=77"),
              std::string::npos)
        << dialogs.confirms.back();
    EXPECT_EQ(form->seedLabel->text(), QStringLiteral("Seed of the last run: 42 (placement=77)"));
    const std::string recipe = (dir.path / "shared.json").string();
    ASSERT_TRUE(form->SaveLastRecipe(recipe)) << ::testing::PrintToString(dialogs.errors);
    EXPECT_NE(test::ReadFile(recipe).find("\"placement=77\""), std::string::npos);

    World otherWorld;
    const std::filesystem::path other = ReplayInAnotherWindow(dir.path, recipe, otherWorld);
    EXPECT_EQ(otherWorld.Settings.Temperature, 3);
    EXPECT_TRUE(clitest::Tree(game) == clitest::Tree(other));
}

// A step drawn again in the map editor goes into the recipe, whose replay in another window
// (without the editor) makes the same files.
TEST_F(WindowTest, ARerollInTheEditorIsRecordedAndReplayed) {
    Open();
    MapEditorHooks hooks;
    hooks.preview = [](World& world, RandomSource&, RunRedraw* redraw, QWidget*) {
        const Rerolls rerolls = {{DrawStep::Placement, 77}};
        redraw->Draw(world, rerolls, DrawStep::Placement);
        redraw->SetCurrent(rerolls);
        return true;
    };
    form->SetMapEditor(hooks);
    form->SetEditorEnabled(true);
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(42);
    const std::string recipe = (dir.path / "rerolled.json").string();
    ASSERT_TRUE(form->SaveLastRecipe(recipe)) << ::testing::PrintToString(dialogs.errors);
    EXPECT_NE(test::ReadFile(recipe).find("placement"), std::string::npos);

    World otherWorld;
    const std::filesystem::path other = ReplayInAnotherWindow(dir.path, recipe, otherWorld);
    EXPECT_TRUE(clitest::Tree(game) == clitest::Tree(other));
}

TEST_F(WindowTest, ReplayListsTheFilesThatDifferAndNoWritesNothing) {
    Open();
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(7);
    const std::string recipe = (dir.path / "r.json").string();
    ASSERT_TRUE(form->SaveLastRecipe(recipe));
    test::WriteFile(game / "Config/TQ3GenerFixedCountry.csv", "another table\r\n");
    const auto before = clitest::Tree(game);
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(form->ReplayRecipe(recipe));
    ASSERT_FALSE(dialogs.confirms.empty());
    EXPECT_NE(dialogs.confirms.back().find("Config/TQ3GenerFixedCountry.csv (changed)"),
              std::string::npos)
        << dialogs.confirms.back();
    EXPECT_TRUE(clitest::Tree(game) == before);
}

TEST_F(WindowTest, TheRecipeSavedIsTheOpenFoldersAndTheSeedStaysInTheStatusBar) {
    Open();
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(42);
    ASSERT_TRUE(form->SaveLastRecipe((dir.path / "a.json").string()));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QStringLiteral("seed 42")));
    EXPECT_EQ(form->seedLabel->text(), QStringLiteral("Seed of the last run: 42"));
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(43);
    EXPECT_EQ(form->seedLabel->text(), QStringLiteral("Seed of the last run: 43"));

    // Another folder whose only run was aborted has no recipe: not the one of the folder
    // before, neither the window's nor the one the tool kept.
    const std::filesystem::path other = dir.path / "other";
    test::CopyTree(std::filesystem::path(TQ3_BINARY_DIR) / "demo-game", other);
    test::WriteFile(other / "Config/TQ3GenerFixedCountry.csv", "another table\r\n");
    ASSERT_TRUE(form->OpenGameFolder(other.string()));
    EXPECT_TRUE(form->seedLabel->isHidden());
    MapEditorHooks abort;
    abort.preview = [](World&, RandomSource&, RunRedraw*, QWidget*) { return false; };
    form->SetMapEditor(abort);
    form->SetEditorEnabled(true);
    form->RunGenerator(44);
    const std::string file = (dir.path / "b.json").string();
    EXPECT_FALSE(form->SaveLastRecipe(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_FALSE(dialogs.infos.empty());
    EXPECT_EQ(dialogs.infos.back(),
              "There is no recipe yet: no run in this game folder has written its files.");
}

}  // namespace
