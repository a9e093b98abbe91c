#pragma once

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// Loads the whole configuration of the game folder in world.ProgramFolder and reports, through
// dialogs.Problem, every problem found: what the loaders report, keys missing from or doubled
// in the settings file, missing fixed tables and an unreadable placement table.
// Every setting or input under which a run would be refused is reported as its error. The
// report holds what was found: the problems as notes, the refusals as errors.
OperationReport CheckConfiguration(World& world, Dialogs& dialogs);

// The problems of a loaded configuration that loading does not report itself: keys missing
// from or doubled in the settings file, and missing fixed and placement tables. A headless
// run reports them too, so that it never passes over what the check finds. The report holds
// them as notes.
OperationReport ReviewConfiguration(const World& world, Dialogs& dialogs);

}  // namespace tq3
