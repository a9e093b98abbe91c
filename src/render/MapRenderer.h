#pragma once

#include "engine/World.h"
#include "render/LayerColours.h"
#include "render/MapGeometry.h"
#include "render/PixelBuffer.h"

namespace tq3 {

// White pictures of the map's and the minimap's size.
PixelBuffer NewMapPicture();
PixelBuffer NewMinimap();

// The black lines between neighbouring land provinces, centre pixel to centre pixel; each pair
// once, from the lower number. The pictures are never cleared: lines and marks are painted over
// what is there.
void DrawAdjacencyLines(const World& world, PixelBuffer& map);

// Every land province 1..ProvinceCount in its layer colour, on the map picture and the minimap,
// later provinces over earlier ones.
void DrawTerrainLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap);
void DrawClimateLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap);
void DrawGoodsLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap);
void DrawReligionLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap);
// First every land province's minimap mark in silver, then each land province in its owner's
// colour (unowned or white: white with a black border, minimap mark left silver).
void DrawPoliticalLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap);
void DrawLayer(const World& world, MapLayer layer, PixelBuffer& map, PixelBuffer& minimap);

// Redraws one province's marks after it was painted; the map picture then looks as the whole
// layer would draw that province. Nothing for a number outside 1..ProvinceCount or for sea.
void RedrawTerrain(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap);
void RedrawClimate(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap);
void RedrawReligion(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap);
void RedrawGoods(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap);
void RedrawProvince(const World& world, MapLayer layer, int p, PixelBuffer& map,
                    PixelBuffer& minimap);

// Sets every pixel of columns left..left+n and rows top..top+n (n = 5: a map mark, n = 1: a
// minimap mark), clipped to the picture.
void FillSquare(PixelBuffer& picture, int left, int top, int n, Argb colour);

// The legend square of a code: 8 x 8 in the code's colour, Ivory with a black 4 x 4 dot.
PixelBuffer LegendSwatch(MapLayer layer, int code);

// The map as the window first shows a layer: a white picture, the adjacency lines, then the
// layer's marks; and the minimap with the layer's marks.
struct MapPictures {
    PixelBuffer map;
    PixelBuffer minimap;
};
MapPictures RenderMap(const World& world, MapLayer layer);

}  // namespace tq3
