// The adjacency tables: the input is the index, the map table and the placement table,
// separated by FileSeparator (a missing part is an empty file). Loaded as the settings
// loader and the run load them, for all 1621 provinces.

#include "FuzzGame.h"
#include "config/Adjacency.h"

using namespace tq3;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::LoadedWorld(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto files = fuzz::SplitFiles(fuzz::AsText(data, size));
    const auto part = [&](std::size_t i) { return i < files.size() ? files[i] : ""; };
    fuzz::WriteConfig("TQ3GenerAdjIndex.tbl", part(0));
    fuzz::WriteConfig("TQ3GenerAdjDataOrig.tbl", part(1));
    fuzz::WriteConfig("TQ3GenerAdjData.tbl", part(2));
    auto world = fuzz::LoadedWorld(MaxProvinceNumber);
    fuzz::FixedDialogs dialogs;
    LoadAdjacency(*world, dialogs, true);
    LoadAdjacency(*world, dialogs, false);
    LoadAdjacency(*world, dialogs, true);
    // Every kept neighbour is a province of the map.
    for (int p = 1; p <= world->ProvinceCount(); ++p)
        for (int j = 1; j <= NeighbourSlots; ++j) {
            const int n = world->Neighbours[p][j];
            if (n != 0 && !world->IsValidProvince(n)) __builtin_trap();
        }
    return 0;
}
