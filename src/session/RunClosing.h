#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"
#include "session/Recipe.h"
#include "session/RunReport.h"

namespace tq3 {

// What the front ends do once a run has finished (the command line and the window alike):
// the closing question, the reload when the user stays, and the rule for keeping the run's
// recipe.

// The closing question of a finished run: the success text of its mode, or, when a file
// could not be written, the files that failed, saying whether anything was written at all.
std::string ClosingQuestion(const World& world, const RunReport& run);

// The user stays after the run: the configuration is loaded again for the next one. The
// report holds what the load showed.
OperationReport StayAfterRun(World& world, Dialogs& dialogs);

// Whether a run has a world to make again: it finished and wrote every file.
bool RunWroteEverything(const RunReport& run);

// Keeps the recipe of a run that wrote every file as the last run's (for later sessions).
// Gives what the user should be told: why the run has no recipe, or why it could not be
// kept; empty when it was kept or the run wrote nothing.
std::string KeepRunRecipe(const RunReport& run, const RecipeResult& recipe);

}  // namespace tq3
