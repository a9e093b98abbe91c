#pragma once

#include <string>

namespace tq3 {

// With "all": FILE.png gives FILE-terrain.png, FILE-climate.png and so on.
std::string LayerFileName(const std::string& out, const std::string& layer);

}  // namespace tq3
