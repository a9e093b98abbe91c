#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Shifts the climate of every land province by the world's temperature and humidity and, when
// ClimateAffectsSeas is set, the climate, ice and storms of the sea provinces. Runs only when
// IsRandomClimate is set.
void GenerateClimate(World& world, RandomSource& random);

}  // namespace tq3
