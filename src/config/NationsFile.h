#pragma once

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// Loads Config/TQ3GenerCountry.csv into the nation table and sets the owner of every
// nation's start province. The report says what was shown; it is refused when the file could
// not be read (no nation is loaded then).
OperationReport LoadNations(World& world, Dialogs& dialogs);

}  // namespace tq3
