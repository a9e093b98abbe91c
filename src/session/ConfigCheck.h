#pragma once

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3 {

// Loads the whole configuration of the game folder in world.ProgramFolder and reports, through
// dialogs.Problem, every problem found: what the loaders report, keys missing from or doubled
// in the settings file, missing fixed tables and an unreadable placement table.
void CheckConfiguration(World& world, Dialogs& dialogs);

}  // namespace tq3
