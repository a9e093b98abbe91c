#pragma once

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// DB/Revolt.txt: a block per loaded nation with the scenario's years, its capital, its
// other provinces and its technology group.
void WriteRevoltTable(const World& world, Dialogs& dialogs);

// DB/Goods.csv: base value, mine, trade post and slaves of the 20 goods. With
// RandomizeGoodsValues every goods except code 5 takes one draw, in ascending code order.
void WriteGoodsTable(const World& world, RandomSource& random, Dialogs& dialogs);

// DB/tax_stab.csv: the tax modifier at stability 3 down to -3.
void WriteTaxStabilityTable(const World& world, Dialogs& dialogs);

}  // namespace tq3
