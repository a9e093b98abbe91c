#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Draws the trade goods of every land province from GoodsProb, scaled by coast, climate and
// terrain (IsGoodsTerrainDependency) and by continent (IsContinentSpecifs), and gives a gold
// mine to every province that draws the goods named "Gold". Runs only when IsRandomGoods is set.
void GenerateGoods(World& world, RandomSource& random);

}  // namespace tq3
