#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// The values that the game files hold at random beyond the map and the nations. Each step
// runs at the place in the run where its file is written, so that the draws come in the
// same order as the files.

// The goods table's base values (GoodsPrices), by goods code: GoodsValues, moved by one draw
// of -5..5 for every goods but code 5 when RandomizeGoodsValues is set, scaled by
// GoodsValueModifier / 3 and limited to 3..25. Code 5 keeps its configured value.
void DrawGoodsPrices(World& world, RandomSource& random);

// The scenario's draws: the centres of trade (CoTCount, ForceCoTtoMajor, ForceCoTtoTrade,
// NationCount), then, nation by nation in scenario order, the death year of its
// conquistador and of its explorer (StartYear + 50 + 0..29) where the nation has them.
void DrawScenarioValues(World& world, RandomSource& random);

// The country table's domestic policies with RandomizeDP: eight values 0..9 for every
// loaded nation in number order. Without RandomizeDP nothing is drawn.
void DrawPolicies(World& world, RandomSource& random);

}  // namespace tq3
