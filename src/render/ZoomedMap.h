#pragma once

#include "engine/World.h"
#include "render/LayerColours.h"
#include "render/MapGeometry.h"
#include "render/PixelBuffer.h"

namespace tq3 {

// The map drawn at a scale rather than the 100 % picture enlarged or shrunk: at scale s a
// map-picture pixel edge u lands on pixel Floor(u * s + 1/2), and the marks and lines are drawn at
// that size so that the picture reads as the 100 % one does, with crisp square edges and smooth
// lines.
//
// - Marks: the 6 x 6 square from its snapped edges, one colour to its edge; bordered marks get
//   a black border as wide as the scale (at least one pixel), the Ivory dot its 2 x 2 square.
//   Zoomed out, a mark keeps at least MinZoomedMarkSize screen pixels, so that it stays a
//   square of colour rather than a speck.
// - Lines: from centre pixel to centre pixel, as wide as the scale, anti-aliased; zoomed out
//   narrower and paler, down to MinZoomedLineWidth screen pixels, so the map does not turn grey.
// The layer and the order are those of the 100 % picture: lines first, then every land
// province's mark, later provinces over earlier ones.
constexpr double MinZoomedMarkSize = 3.0;
constexpr double MinZoomedLineWidth = 0.4;

// Draws the part `area` of the whole map at `scale` pixels per map-picture pixel into `out`,
// which is made area.width x area.height (reusing its memory): out's pixel (0, 0) is pixel
// (area.left, area.top) of the zoomed map. Only the lines and marks that reach the area are
// drawn. `screenRatio` is the pixels per screen pixel (2 on a screen scaled to 200 %), which
// the least mark size and line width are counted in.
void DrawZoomedMap(const World& world, MapLayer layer, double scale, double screenRatio,
                   const PixelRect& area, PixelBuffer& out);

}  // namespace tq3
