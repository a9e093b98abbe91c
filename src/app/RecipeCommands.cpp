// The window's recipe commands: keeping the recipe of each run, saving it, and replaying one.

#include <QDir>
#include <QPushButton>
#include <QStatusBar>

#include "app/FormGener.h"
#include "base/GamePath.h"
#include "base/OperationReport.h"
#include "base/WriteTarget.h"
#include "config/SettingsFile.h"
#include "session/RecipeStore.h"
#include "session/RunClosing.h"
#include "widgets/FileChooser.h"

namespace tq3 {

void TFormGener::KeepRecipe(const RunReport& report, const RecipeResult& recipe) {
    // Only a run that wrote every file has a world to make again.
    if (!RunWroteEverything(report)) return;
    lastRecipe_ = recipe.recipe;
    lastRecipeProblem_ = recipe.error;
    // The tool's own copy for later sessions; a recipe that could not be kept costs no run.
    KeepRunRecipe(report, recipe);
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
    // No run in this folder yet: the recipe kept from the tool's last run, when that run read
    // this folder's very files.
    if (!recipe) {
        const std::string kept = LastRunRecipePath();
        const RecipeResult read =
            kept.empty() || !FileExists(kept) ? RecipeResult{} : ReadRecipeFile(kept);
        if (!kept.empty() && FileExists(kept) && !read.recipe) {
            WindowMessages().Error(read.error);
            return false;
        }
        if (!read.recipe || !DifferingFiles(*read.recipe, world_.ProgramFolder).empty()) {
            WindowMessages().Info(
                "There is no recipe yet: no run in this game folder has written its files.");
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
    statusBar()->showMessage(tr("Recipe of the run with seed %1 saved: %2")
                                 .arg(recipe->seed)
                                 .arg(QDir::toNativeSeparators(QString::fromStdString(file))));
    return true;
}

void TFormGener::ReplayRecipeCommand() {
    if (!worldReady_ || !SpeedButton1->isEnabled()) return;
    const QString file = ChooseFileToOpen(this, tr("Replay a recipe"), QDir::homePath(),
                                          tr("Recipes (*.json);;All files (*)"));
    if (!file.isEmpty()) ReplayRecipe(file.toStdString());
}

bool TFormGener::ReplayRecipe(const std::string& file) {
    if (!worldReady_ || !SpeedButton1->isEnabled()) return false;
    const RecipeResult read = ReadRecipeFile(file);
    if (!read.recipe) {
        WindowMessages().Error(read.error);
        return false;
    }
    const Recipe& recipe = *read.recipe;
    // Every input must be the file the recorded run read, or the user chooses to go on.
    // Either way the question names the folder whose files the replay replaces.
    const std::vector<DifferingFile> differing = DifferingFiles(recipe, world_.ProgramFolder);
    const std::string folder = AbsolutePath(world_.ProgramFolder);
    std::string text;
    if (differing.empty()) {
        text = "Replay the recorded run (seed " + std::to_string(recipe.seed) + ") in " + folder +
               "?\r\n\r\nIts files are those of the recorded run. The run replaces the game's "
               "files there as Run! does.";
    } else {
        text = "These files of " + folder + " differ from those of the recorded run:";
        for (const DifferingFile& f : differing) text += "\r\n    " + f.path + " (" + f.how + ")";
        text += "\r\n\r\nThe world made may differ from the recorded one. Replay anyway?";
    }
    if (WindowMessages().Confirm(text, Buttons::YesNo) != Answer::Yes) return false;
    // The recipe's settings over the settings file, shown in the controls, then its run
    // without the map editor: the recorded run had no edits.
    if (!LoadWithOverrides(RecipeOverrides(recipe))) return false;
    // A forced replay's closing question says that its world may not be the recorded one.
    if (!differing.empty())
        SetRunNote(
            "\r\n\r\nSome input files differed from those of the recorded run, so this world "
            "may differ from the recorded one.");
    RunGenerator(recipe.seed, false, recipe.rerolls);
    return true;
}

}  // namespace tq3
