#pragma once

#include <string>

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// The scenario's block for one nation: policy, AI, treasury, religion and culture, known and
// owned provinces, a city per owned province, armies and fleets with their leaders, and
// technology, ending with a blank line. Draws one death year per leader, in block order.
std::string WriteCountryBlock(const World& world, RandomSource& random, int nation);

}  // namespace tq3
