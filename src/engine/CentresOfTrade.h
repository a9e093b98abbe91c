#pragma once

#include <vector>

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// The nations that receive a centre of trade, pass by pass. A nation gets at most one.
struct TradeCentres {
    std::vector<int> toMajors;   // pass 1: majors (ForceCoTtoMajor, or ForceCoTtoTrade and CoT)
    std::vector<int> toTraders;  // pass 2: other scenario nations (ForceCoTtoTrade and CoT)
    std::vector<int> drawn;      // pass 3: random nations up to CoTCount
    bool drawPassRan = false;    // pass 3 runs only when NationCount > CoTCount + 5

    // Every nation with a centre, in the order they were placed.
    std::vector<int> All() const;
};

// Places the centres of trade for the scenario nations (in scenario order). The random pass
// draws nation numbers from 1 to NationCount - 5, limited to the loaded nations, and stops
// when every drawable nation already has a centre.
TradeCentres PlaceCentresOfTrade(const World& world, RandomSource& random,
                                 const std::vector<int>& scenarioNations);

}  // namespace tq3
