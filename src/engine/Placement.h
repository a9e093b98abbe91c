#pragma once

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// A random walk of Trunc(2 ^ (RandomStartLoc + 1)) steps over the neighbour table from
// `start`: each step draws one of the current province's neighbours and moves there only
// when it is land, at most ProvinceCount - 10 and not province 398. Gives where it ends.
int WanderFrom(const World& world, RandomSource& random, int start);

// Whether province p keeps its owner when the start provinces are freed: the owner has the
// FixedStartLoc specific, or p is European under DontMoveEuroNations, or the owner lacks the
// Unknown specific under RandomizeUnknownsOnly.
bool KeepsOwner(const World& world, int p);

// Whether nation n keeps its start province: FixedStartLoc, a European capital under
// DontMoveEuroNations, or no Unknown specific under RandomizeUnknownsOnly.
bool StaysAtStart(const World& world, int n);

// The highest province number the free start draw reaches (RandInt(ProvinceCount - 1) + 1),
// and whether any of provinces 1..that is land.
int FreeDrawHighest(const World& world);
bool FreeDrawFindsLand(const World& world);

// Moves the start provinces of the nations at random under the placement rules: frees the
// movable provinces, then gives each movable nation a new capital, by up to 100 tries and a
// free province as the last resort.
void PlaceNations(World& world, RandomSource& random);

}  // namespace tq3
