#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Draws the nations' religions from the ReligProb quotas (IsRandomReligNation), turns the
// religions of the reformation into Catholic when the scenario starts before them, and lays
// religions over the provinces in runs of up to ReligDispersity consecutive province numbers
// (IsRandomReligProv).
void GenerateReligions(World& world, RandomSource& random);

// Gives every province of each nation in the scenario the nation's religion (11 as 2) and
// first culture, and clears the storms of the sea zones next to them.
void ApplyNationFaith(World& world);

}  // namespace tq3
