#pragma once

#include "DemoRandom.h"
#include "DemoWorld.h"

// Places provinces 1..1620 over the world: land provinces spread evenly over the land of
// their block, sea zones denser along the coasts. Gives every province its position, block,
// continent, area and region, numbered block by block. Province 0 is the unused row.
void LayOutProvinces(DemoWorld& world, DemoRandom& random);
