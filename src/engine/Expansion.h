#pragma once

#include "engine/World.h"

namespace tq3 {

// A nation that expansion grows, and whose provinces count as foreign to the others: its
// number is at most NationCount, or it is a major.
bool IsPlacedNation(const World& world, int n);

// The number of provinces nation n aims for: StartingCountrySize when above 0, else its Size.
int TargetSize(const World& world, int n);

// Grows every placed nation breadth-first from its capital over free land neighbours up to
// its target size (never beyond 10), records its sea zones and the border provinces of placed
// neighbours in KnownExtra, and sets SizeShortfall and HasSeaAccess.
void ExpandNations(World& world);

}  // namespace tq3
