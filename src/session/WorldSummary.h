#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// A short plain-text summary of the world as written: land provinces by terrain, goods and
// religion; the scenario's nations, majors, provinces held and nations short of their size;
// the centres of trade; the balance between the majors (DescribeBalance). One fact per line.
std::string DescribeWorld(const World& world);

}  // namespace tq3
