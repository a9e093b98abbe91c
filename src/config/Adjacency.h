#pragma once

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// Rebuilds world.Neighbours from the index file and the map table (mapTable set,
// TQ3GenerAdjDataOrig.tbl) or the placement table (TQ3GenerAdjData.tbl), keeping only
// land-to-land links and at most 8 neighbours per province. The report says what was shown;
// it is refused when the tables could not be read.
OperationReport LoadAdjacency(World& world, Dialogs& dialogs, bool mapTable);

// Reads the placement table as LoadAdjacency does, into `table` instead of the world, so that
// it can be checked without reading the map table again afterwards.
OperationReport ReadPlacementAdjacency(const World& world, Dialogs& dialogs, NeighbourTable& table);

}  // namespace tq3
