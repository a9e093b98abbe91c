#pragma once

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Writes DB/country.csv: the header, one line per loaded nation, then the whole of
// Config/TQ3GenerFixedCountry.csv. With RandomizeDP the policy values are drawn here.
void WriteCountryTable(const World& world, RandomSource& random, Dialogs& dialogs);

}  // namespace tq3
