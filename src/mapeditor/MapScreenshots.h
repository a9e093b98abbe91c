#pragma once

#include <string>

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3 {

// Pictures of the map window on the loaded world, as PNG files in folder: the preview in each
// layer at 100 % and 200 % (map-<layer>-100.png, map-<layer>-200.png), a painted rectangle,
// and the majors selection (map-majors.png). Nothing in the world changes. False when a
// picture could not be written.
bool WriteMapEditorScreenshots(const World& world, Dialogs& dialogs, const std::string& folder);

}  // namespace tq3
