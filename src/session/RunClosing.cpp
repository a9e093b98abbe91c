#include "session/RunClosing.h"

#include "config/SettingsFile.h"
#include "engine/GeneratorMode.h"
#include "engine/RunProgress.h"
#include "session/RecipeStore.h"

namespace tq3 {

std::string ClosingQuestion(const World& world, const RunReport& run) {
    if (run.failed.empty()) {
        switch (ModeOf(world.Settings.GeneratorMode)) {
            case GeneratorMode::MapOnly:
                return "Map created succesfuly!\r\nDo you want to quit ?";
            case GeneratorMode::ScenarioOnly:
                return "Scenario created succesfuly! (Original map is restored)\r\nDo you want to "
                       "quit ?";
            default:
                return "Scenario created succesfuly!\r\nDo you want to quit ?";
        }
    }
    // After a failure no closing text claims success: the question names what failed, and a
    // run that replaced nothing says so, with the first reason.
    std::string text = "Some files could not be written:";
    for (const FileFailure& f : run.failed) text += "\r\n" + f.file;
    if (run.written.empty()) text += "\r\nNothing was written: " + run.failed.front().reason;
    return text + "\r\nDo you want to quit ?";
}

OperationReport StayAfterRun(World& world, Dialogs& dialogs) {
    dialogs.Progress(RunProgress::Start);
    return LoadSettings(world, dialogs, false);
}

bool RunWroteEverything(const RunReport& run) {
    const bool finished =
        run.end == RunEnd::Finished || run.end == RunEnd::Quit || run.end == RunEnd::Stay;
    return finished && run.failed.empty() && !run.refused;
}

std::string KeepRunRecipe(const RunReport& run, const RecipeResult& recipe) {
    if (!RunWroteEverything(run)) return {};
    if (!recipe.recipe) return recipe.error;
    return KeepLastRunRecipe(*recipe.recipe);
}

}  // namespace tq3
