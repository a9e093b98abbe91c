#include "render/MapRenderer.h"

namespace tq3 {

namespace {
constexpr int LegendSwatchSize = 8;
constexpr int LegendDotSize = 4;
constexpr int IvoryDotSize = 2;

// The land provinces a drawing visits, 1..ProvinceCount in order.
template <class Visit>
void ForEachLand(const World& world, Visit visit) {
    const int last = world.ProvinceCount();
    for (int p = 1; p <= last; ++p)
        if (world.Provinces[p].IsLand()) visit(p);
}

// The map mark: the square in the mark's colour; bordered marks become a black outline around
// a white square, Ivory adds a black 2 x 2 dot at columns x-1..x, rows y-1..y.
void DrawMapMark(const TProvince& province, const ProvinceMark& mark, PixelBuffer& map) {
    const PixelRect square = MapMark(province);
    map.FillRect(square, mark.colour);
    if (mark.style == MarkStyle::Plain) return;
    map.OutlineRect(square, Black);
    map.FillRect({square.left + 1, square.top + 1, square.width - 2, square.height - 2}, White);
    if (mark.style != MarkStyle::IvoryDot) return;
    const PixelPoint c = MapCentre(province);
    map.FillRect({c.x - 1, c.y - 1, IvoryDotSize, IvoryDotSize}, Black);
}

void DrawProvince(const World& world, MapLayer layer, int p, PixelBuffer& map,
                  PixelBuffer& minimap) {
    const TProvince& province = world.Provinces[p];
    const ProvinceMark mark = MarkOf(world, layer, p);
    DrawMapMark(province, mark, map);
    minimap.FillRect(MinimapMark(province), mark.minimapColour);
}

void DrawCodeLayer(const World& world, MapLayer layer, PixelBuffer& map, PixelBuffer& minimap) {
    ForEachLand(world, [&](int p) { DrawProvince(world, layer, p, map, minimap); });
}
}  // namespace

PixelBuffer NewMapPicture() {
    return PixelBuffer(MapPictureWidth, MapPictureHeight, White);
}

PixelBuffer NewMinimap() {
    return PixelBuffer(MinimapWidth, MinimapHeight, White);
}

void DrawAdjacencyLines(const World& world, PixelBuffer& map) {
    const int last = world.ProvinceCount();
    ForEachLand(world, [&](int i) {
        const NeighbourRow& row = world.Neighbours[i];
        for (int slot = 1; slot <= NeighbourSlots; ++slot) {
            const int j = row[slot];
            if (j == 0) break;
            // Each pair once, from the lower number; a number outside the table draws nothing.
            if (j < i || j > last) continue;
            const PixelPoint a = MapCentre(world.Provinces[i]);
            const PixelPoint b = MapCentre(world.Provinces[j]);
            map.DrawLine(a.x, a.y, b.x, b.y, Black);
        }
    });
}

void DrawTerrainLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap) {
    DrawCodeLayer(world, MapLayer::Terrain, map, minimap);
}

void DrawClimateLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap) {
    DrawCodeLayer(world, MapLayer::Climate, map, minimap);
}

void DrawGoodsLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap) {
    DrawCodeLayer(world, MapLayer::Goods, map, minimap);
}

void DrawReligionLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap) {
    DrawCodeLayer(world, MapLayer::Religion, map, minimap);
}

void DrawPoliticalLayer(const World& world, PixelBuffer& map, PixelBuffer& minimap) {
    ForEachLand(world, [&](int p) { minimap.FillRect(MinimapMark(world.Provinces[p]), Silver); });
    ForEachLand(world, [&](int p) {
        const TProvince& province = world.Provinces[p];
        const ProvinceMark mark = MarkOf(world, MapLayer::Political, p);
        DrawMapMark(province, mark, map);
        if (mark.style == MarkStyle::Plain)
            minimap.FillRect(MinimapMark(province), mark.minimapColour);
    });
}

void DrawLayer(const World& world, MapLayer layer, PixelBuffer& map, PixelBuffer& minimap) {
    if (layer == MapLayer::Political)
        DrawPoliticalLayer(world, map, minimap);
    else
        DrawCodeLayer(world, layer, map, minimap);
}

void RedrawProvince(const World& world, MapLayer layer, int p, PixelBuffer& map,
                    PixelBuffer& minimap) {
    if (!world.IsValidProvince(p) || !world.Provinces[p].IsLand()) return;
    DrawProvince(world, layer, p, map, minimap);
}

void RedrawTerrain(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap) {
    RedrawProvince(world, MapLayer::Terrain, p, map, minimap);
}

void RedrawClimate(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap) {
    RedrawProvince(world, MapLayer::Climate, p, map, minimap);
}

void RedrawReligion(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap) {
    RedrawProvince(world, MapLayer::Religion, p, map, minimap);
}

void RedrawGoods(const World& world, int p, PixelBuffer& map, PixelBuffer& minimap) {
    RedrawProvince(world, MapLayer::Goods, p, map, minimap);
}

void FillSquare(PixelBuffer& picture, int left, int top, int n, Argb colour) {
    picture.FillRect({left, top, n + 1, n + 1}, colour);
}

PixelBuffer LegendSwatch(MapLayer layer, int code) {
    PixelBuffer swatch(LegendSwatchSize, LegendSwatchSize,
                       CodeColour(layer, code).value_or(NoneColour));
    if (CodeStyle(layer, code) == MarkStyle::IvoryDot) {
        const int at = (LegendSwatchSize - LegendDotSize) / 2;
        swatch.FillRect({at, at, LegendDotSize, LegendDotSize}, Black);
    }
    return swatch;
}

MapPictures RenderMap(const World& world, MapLayer layer) {
    MapPictures pictures{NewMapPicture(), NewMinimap()};
    DrawAdjacencyLines(world, pictures.map);
    DrawLayer(world, layer, pictures.map, pictures.minimap);
    return pictures;
}

}  // namespace tq3
