#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// The scenario's block for one nation: policy, AI, treasury, religion and culture, known and
// owned provinces, a city per owned province, armies and fleets with their leaders, and
// technology, ending with a blank line. The leaders die in the years drawn for the run.
std::string WriteCountryBlock(const World& world, int nation);

}  // namespace tq3
