#pragma once

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3 {

// Loads Config/TQ3GenerProvince.csv into provinces 0..ProvinceCount. With a restriction set,
// only the rows of European (and/or Asian) provinces are read.
void LoadProvinceTemplate(World& world, Dialogs& dialogs, bool europeanOnly, bool asianOnly);

}  // namespace tq3
