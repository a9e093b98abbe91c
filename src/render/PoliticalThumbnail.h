#pragma once

#include "engine/World.h"
#include "render/PixelBuffer.h"

namespace tq3 {

// The political map in small, for lists of worlds: every land province a dot at its place, in
// its owner's colour (silver when nobody holds it), majors' capitals ringed in black. `width`
// pixels wide, as high as the map's proportions give; no lines between provinces.
PixelBuffer PoliticalThumbnail(const World& world, int width);

}  // namespace tq3
