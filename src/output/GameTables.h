#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// DB/Revolt.txt: a block per loaded nation with the scenario's years, its capital, its
// other provinces and its technology group.
std::string RevoltTableText(const World& world);

// DB/Goods.csv: base value (as drawn for the run), mine, trade post and slaves of the 20
// goods, then the NOTHING line.
std::string GoodsTableText(const World& world);

// DB/tax_stab.csv: the tax modifier at stability 3 down to -3.
std::string TaxStabilityTableText(const World& world);

}  // namespace tq3
