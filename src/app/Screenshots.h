#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// Pictures of the window on the game folder of `world`, for the documentation and for a look
// at the layout: each tab in each generator mode, the general settings dialog, the problems
// list and the closing question, as PNG files in `folder`. Questions are answered without
// asking (the start-up backup with Yes). Gives the exit status: 0, or 1 when a picture could
// not be written.
int WriteScreenshots(World& world, const std::string& folder);

}  // namespace tq3
