#pragma once

#include "base/Dialogs.h"
#include "engine/World.h"

// Loads Config/TQ3GenerCountry.csv into the nation table and sets the owner of every
// nation's start province.
void LoadNations(World& world, Dialogs& dialogs);
