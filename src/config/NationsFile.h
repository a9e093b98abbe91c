#pragma once

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3 {

// Loads Config/TQ3GenerCountry.csv into the nation table and sets the owner of every
// nation's start province.
void LoadNations(World& world, Dialogs& dialogs);

}  // namespace tq3
