#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// Pictures of the map window on the loaded world, as PNG files in folder: the preview as it
// opens on the screen, and with the whole map fitted (opening-map.png, opening-map-fit.png), in
// each layer (map-<layer>.png), terrain and goods at Fit (map-<layer>-fit.png), the
// terrain zoomed to 200 % (map-terrain-zoom200.png), a painted rectangle (map-painted.png), the
// Reroll menu open and the status line after a reroll (map-reroll-menu.png, map-rerolled.png)
// and the majors selection (map-majors.png). Nothing in the world changes; messages go to the
// standard error. False when a picture could not be written.
bool WriteMapEditorPictures(const World& world, const std::string& folder);

}  // namespace tq3
