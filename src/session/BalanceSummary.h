#pragma once

#include <string>

#include "engine/BalanceMeasures.h"
#include "engine/World.h"

namespace tq3 {

// The balance measures as summary lines: the world's fairness, income spread and native
// land, then one line per major (named by its tag in `world`). The sweep's rows and the
// summary of a generated world use the same words.
std::string DescribeBalance(const World& world, const WorldBalance& balance);

// A share or ratio as printed: fixed with `decimals` places.
std::string FixedText(double value, int decimals);

}  // namespace tq3
