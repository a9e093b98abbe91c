// The window's recipe commands: keeping the recipe of each run, saving it, and replaying one.

#include <QDir>
#include <QPushButton>
#include <QStatusBar>

#include "widgets/FileChooser.h"
#include "app/FormGener.h"
#include "base/GamePath.h"
#include "base/WriteTarget.h"
#include "config/SettingsFile.h"
#include "session/RecipeStore.h"

namespace tq3 {

void TFormGener::KeepRecipe(const RunReport& report, const RecipeResult& recipe) {
    // Only a run that wrote every file has a world to make again.
    const bool wrote =
        (report.end == RunEnd::Quit || report.end == RunEnd::Stay) && report.failed.empty();
    if (!wrote) return;
    lastRecipe_ = recipe.recipe;
    lastRecipeProblem_ = recipe.error;
    // The tool's own copy for later sessions; a recipe that could not be kept costs no run.
    if (recipe.recipe) KeepLastRunRecipe(*recipe.recipe);
}

void TFormGener::SaveLastRecipeCommand() {
    const QString file =
        ChooseFileToSave(this, tr("Save recipe of the last run"), QDir::homePath() + "/recipe.json",
                         tr("Recipes (*.json);;All files (*)"));
    if (!file.isEmpty()) SaveLastRecipe(file.toStdString());
}

bool TFormGener::SaveLastRecipe(const std::string& file) {
    std::optional<Recipe> recipe = lastRecipe_;
    if (!recipe && !lastRecipeProblem_.empty()) {
        WindowMessages().Error(lastRecipeProblem_);
        return false;
    }
    // No run in this window yet: the recipe kept from the tool's last run, if any.
    if (!recipe) {
        const std::string kept = LastRunRecipePath();
        if (kept.empty() || !FileExists(kept)) {
            WindowMessages().Info("There is no recipe yet: no run has written its files.");
            return false;
        }
        const RecipeResult read = ReadRecipeFile(kept);
        if (!read.recipe) {
            WindowMessages().Error(read.error);
            return false;
        }
        recipe = read.recipe;
    }
    std::string error = WriteTargetProblem(TargetKind::Recipe, world_.ProgramFolder, file);
    if (error.empty()) error = WriteRecipeFile(*recipe, file);
    if (!error.empty()) {
        WindowMessages().Error(error);
        return false;
    }
    statusBar()->showMessage(tr("Recipe saved: %1").arg(QString::fromStdString(file)));
    return true;
}

void TFormGener::ReplayRecipeCommand() {
    if (!loaded_ || !SpeedButton1->isEnabled()) return;
    const QString file = ChooseFileToOpen(this, tr("Replay a recipe"), QDir::homePath(),
                                          tr("Recipes (*.json);;All files (*)"));
    if (!file.isEmpty()) ReplayRecipe(file.toStdString());
}

bool TFormGener::ReplayRecipe(const std::string& file) {
    if (!loaded_ || !SpeedButton1->isEnabled()) return false;
    const RecipeResult read = ReadRecipeFile(file);
    if (!read.recipe) {
        WindowMessages().Error(read.error);
        return false;
    }
    const Recipe& recipe = *read.recipe;
    // Every input must be the file the recorded run read, or the user chooses to go on.
    const std::vector<DifferingFile> differing = DifferingFiles(recipe, world_.ProgramFolder);
    if (!differing.empty()) {
        std::string text = "These files differ from those of the recorded run:";
        for (const DifferingFile& f : differing) text += "\r\n    " + f.path + " (" + f.how + ")";
        text += "\r\n\r\nThe world made may differ from the recorded one. Replay anyway?";
        if (WindowMessages().Confirm(text, Buttons::YesNo) != Answer::Yes) return false;
    }
    // The recipe's settings over the settings file, shown in the controls, then its run
    // without the map editor: the recorded run had no edits.
    world_.SettingOverrides = RecipeOverrides(recipe);
    world_.MajorNations.reset();
    majorsChosenOnMap_ = false;
    if (!LoadSettings(world_, WindowMessages(), true)) {
        SpeedButton1->setEnabled(false);
        return false;
    }
    ShowSettings();
    RunGenerator(recipe.seed, false);
    return true;
}

}  // namespace tq3
