#pragma once

#include <vector>

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Places the centres of trade for the scenario nations (in scenario order). The random pass
// draws nation numbers from 1 to NationCount - 5, limited to the loaded nations, and stops
// when every drawable nation already has a centre.
TradeCentres PlaceCentresOfTrade(const World& world, RandomSource& random,
                                 const std::vector<int>& scenarioNations);

}  // namespace tq3
