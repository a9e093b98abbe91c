#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Colonisation difficulty, trade negotiation, native tolerance, native population and native
// combat of every land province, each pass under its own IsRandom... switch and strength.
void GenerateProvinceValues(World& world, RandomSource& random);

// Manpower of every land province (IsRandomManpower; held provinces use the last element of
// TerainManpowerModif), then income from that manpower (IsRandomIncome).
void GenerateManpowerIncome(World& world, RandomSource& random);

}  // namespace tq3
