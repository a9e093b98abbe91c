#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// DB/country.csv: the header, one line per loaded nation, then the fixed country table
// `fixed` byte for byte (empty when there is none).
std::string CountryTableText(const World& world, const std::string& fixed);

}  // namespace tq3
