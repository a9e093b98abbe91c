// The window's recipes: the recipe of a run saved from one window makes the same world in
// another window on a fresh copy of the game; a differing input is listed with a question.

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

TEST_F(WindowTest, ARecipeSavedInOneWindowMakesTheSameWorldInAnother) {
    Open();
    S().Temperature = 3;  // as the user moves the slider
    S().CoTCount = 4;
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(42);
    const std::string recipe = (dir.path / "shared.json").string();
    ASSERT_TRUE(form->SaveLastRecipe(recipe)) << ::testing::PrintToString(dialogs.errors);

    const std::filesystem::path other = dir.path / "other";
    test::CopyTree(std::filesystem::path(TQ3_BINARY_DIR) / "demo-game", other);
    World otherWorld;
    otherWorld.ProgramFolder = other.string();
    test::RecordingDialogs otherDialogs;
    tq3::TFormGener otherForm(otherWorld, otherDialogs);
    otherForm.FormActivate();
    otherDialogs.answers = {Answer::Yes, Answer::Cancel};  // replay there, then stay
    ASSERT_TRUE(otherForm.ReplayRecipe(recipe)) << ::testing::PrintToString(otherDialogs.errors);
    EXPECT_EQ(otherWorld.Settings.Temperature, 3);
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
