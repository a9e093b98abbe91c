#pragma once

#include <bitset>

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// The nations named by the tags of SpecifiedMajors (up to 8, ";" between them): for each
// non-empty tag, the first loaded nation whose Tag equals it exactly. `count` receives the
// number of tags that matched a nation (a tag given twice counts twice).
std::bitset<256> MajorsFromTags(const World& world, int& count);

// How many distinct nations the random draw of majors can give: the numbers 1..NationCount
// (at least nation 1, since a draw below 1 gives 0).
int DrawableMajorCount(const World& world);

// Fills MajorNations: from SpecifiedMajors (and sets MajorCount to the tags found) when
// IsRandomMajor is off, else MajorCount distinct nations drawn from 1..NationCount.
void SelectMajors(World& world, RandomSource& random);

}  // namespace tq3
