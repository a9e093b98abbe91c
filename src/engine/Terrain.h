#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Draws a new terrain for every land province from TerainProbs, scaled by Age, coast and
// climate, plus TerainDiversityModif for each neighbour of a terrain. Sea stays sea. Runs only
// when IsRandomTerain is set.
void GenerateTerrain(World& world, RandomSource& random);

}  // namespace tq3
