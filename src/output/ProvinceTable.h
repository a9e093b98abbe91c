#pragma once

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3 {

// Writes DB/province.csv from provinces 0..ProvinceCount: 25 generated fields per line,
// followed by the matching line of Config/TQ3GenerFixedProvince.csv (which also gives the
// header), then 27 filler lines. Moves the progress bar from 8 to 14 on the way.
void WriteProvinceTable(const World& world, Dialogs& dialogs);

}  // namespace tq3
