#pragma once

#include <vector>

#include "engine/Expansion.h"
#include "engine/World.h"

namespace tq3 {

// The nations a scenario holds: every major in ascending nation number, then the other
// loaded nations in ascending number while fewer than NationCount have been taken.
std::vector<int> ScenarioNations(const World& world);

// The number of provinces the nation actually got: its target size minus its shortfall.
int ReceivedSize(const World& world, int nation);

// Starting ducats: the nation's Treasury with IsNationSpecifGold; otherwise StartingFunds,
// scaled for a major by (100 + MajorAdvantage) / 100.
int StartingDucats(const World& world, int nation);

// Numbers of the nation's provinces, capital first, up to the first 0.
std::vector<int> OwnedProvinceList(const TNation& nation);

}  // namespace tq3
