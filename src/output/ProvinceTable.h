#pragma once

#include <functional>
#include <string>

#include "engine/World.h"

namespace tq3 {

// DB/province.csv from provinces 0..ProvinceCount: 25 generated fields per line, followed by
// the matching line of the fixed province table `fixed` (whose first line is the header),
// then 27 filler lines. Reports the progress bar from 8 to 14 on the way.
std::string ProvinceTableText(const World& world, const std::string& fixed,
                              const std::function<void(int)>& reportProgress = {});

}  // namespace tq3
