// The colour of every code of every layer, as drawn, and how codes and owners outside their
// tables are drawn.

#include <gtest/gtest.h>

#include "RenderTestWorld.h"
#include "render/LayerColours.h"
#include "render/MapRenderer.h"

using namespace tq3;
using rendertest::Grid;

namespace {

struct CodeCase {
    MapLayer layer;
    int code;
    uint32_t rgb;
};

// Every code of the four code tables with its colour.
const CodeCase kCodeCases[] = {
    {MapLayer::Terrain, 0, 0x808000},  {MapLayer::Terrain, 1, 0x00FF00},
    {MapLayer::Terrain, 2, 0xFF0000},  {MapLayer::Terrain, 3, 0xFFFF00},
    {MapLayer::Terrain, 4, 0x0000FF},  {MapLayer::Climate, 0, 0xC0C0C0},
    {MapLayer::Climate, 1, 0xFFFF00},  {MapLayer::Climate, 2, 0x008080},
    {MapLayer::Climate, 3, 0x00FF00},  {MapLayer::Climate, 4, 0xFF00FF},
    {MapLayer::Climate, 5, 0x0000FF},  {MapLayer::Climate, 6, 0xFF0000},
    {MapLayer::Climate, 7, 0x00FFFF},  {MapLayer::Climate, 8, 0x000080},
    {MapLayer::Religion, 1, 0xFFFFFF}, {MapLayer::Religion, 2, 0x808080},
    {MapLayer::Religion, 3, 0x0000FF}, {MapLayer::Religion, 4, 0x00FFFF},
    {MapLayer::Religion, 5, 0x800000}, {MapLayer::Religion, 6, 0x00FF00},
    {MapLayer::Religion, 7, 0x008000}, {MapLayer::Religion, 8, 0xFFFF00},
    {MapLayer::Religion, 9, 0xFF8040}, {MapLayer::Religion, 10, 0xFF0000},
    {MapLayer::Goods, 1, 0xFF00FF},    {MapLayer::Goods, 2, 0x8080C0},
    {MapLayer::Goods, 3, 0x808000},    {MapLayer::Goods, 4, 0x0000FF},
    {MapLayer::Goods, 5, 0x800000},    {MapLayer::Goods, 6, 0xFFFF00},
    {MapLayer::Goods, 7, 0x00FF00},    {MapLayer::Goods, 8, 0xFFFFFF},
    {MapLayer::Goods, 9, 0x008080},    {MapLayer::Goods, 10, 0x808080},
    {MapLayer::Goods, 11, 0x000080},   {MapLayer::Goods, 12, 0xFF8040},
    {MapLayer::Goods, 13, 0x00FFFF},   {MapLayer::Goods, 14, 0x000000},
    {MapLayer::Goods, 15, 0xFF0000},   {MapLayer::Goods, 16, 0xFFFFFF},
    {MapLayer::Goods, 17, 0xFF80FF},   {MapLayer::Goods, 18, 0x008000},
    {MapLayer::Goods, 19, 0x800080},   {MapLayer::Goods, 20, 0xC0C0C0},
};

// One province at centre pixel (20, 20) (minimap pixel (1, 1): mark at columns 0..1, rows
// 2..3), drawn in the layer on fresh pictures.
struct Drawn {
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
};
Drawn DrawOne(World& world, MapLayer layer) {
    world.Provinces[1].MapX = 160;
    world.Provinces[1].MapY = 140;
    Drawn d;
    DrawLayer(world, layer, d.map, d.minimap);
    return d;
}

}  // namespace

TEST(LayerColours, EveryCodeIsDrawnInItsTableColour) {
    for (const CodeCase& c : kCodeCases) {
        SCOPED_TRACE(std::string(LayerName(c.layer)) + " code " + std::to_string(c.code));
        const Argb expected = RgbColour(c.rgb);
        EXPECT_EQ(CodeColour(c.layer, c.code), expected);
        auto world = rendertest::LandWorld(1);
        rendertest::SetLayerCode(world->Provinces[1], c.layer, c.code);
        const Drawn d = DrawOne(*world, c.layer);
        // (x+1, y+1) lies inside the mark, off the border and off Ivory's dot.
        EXPECT_EQ(d.map.At(21, 21), expected);
        const bool pagan = c.layer == MapLayer::Religion && c.code == PaganReligion;
        EXPECT_EQ(d.minimap.At(0, 2), pagan ? Silver : expected);
        EXPECT_EQ(d.minimap.At(1, 3), pagan ? Silver : expected);
    }
}

TEST(LayerColours, LegendSwatchesUseTheSameColours) {
    for (const CodeCase& c : kCodeCases) {
        const PixelBuffer swatch = LegendSwatch(c.layer, c.code);
        ASSERT_EQ(swatch.width, 8);
        ASSERT_EQ(swatch.height, 8);
        EXPECT_EQ(swatch.At(0, 0), RgbColour(c.rgb));
    }
    EXPECT_EQ(Grid(LegendSwatch(MapLayer::Goods, IvoryGoods), 0, 0, 8, 8),
              "........\n........\n..####..\n..####..\n..####..\n..####..\n........\n........\n");
}

TEST(LayerColours, CodesOutsideTheTablesAreDrawnAsNone) {
    const std::pair<MapLayer, int> cases[] = {
        {MapLayer::Climate, 9},  {MapLayer::Climate, -1},  {MapLayer::Climate, 127},
        {MapLayer::Religion, 0}, {MapLayer::Religion, 11}, {MapLayer::Religion, -128},
        {MapLayer::Goods, 0},    {MapLayer::Goods, 21},    {MapLayer::Goods, -3}};
    for (const auto& [layer, code] : cases) {
        SCOPED_TRACE(std::string(LayerName(layer)) + " code " + std::to_string(code));
        EXPECT_FALSE(CodeColour(layer, code));
        auto world = rendertest::LandWorld(1);
        rendertest::SetLayerCode(world->Provinces[1], layer, code);
        const Drawn d = DrawOne(*world, layer);
        EXPECT_EQ(Grid(d.map, 17, 17, 6, 6), "######\n######\n######\n######\n######\n######\n");
        EXPECT_EQ(d.minimap.At(0, 2), NoneColour);
    }
    const World world;
    for (int p : {-1, 1621, 40000}) {
        const ProvinceMark mark = MarkOf(world, MapLayer::Religion, p);
        EXPECT_EQ(mark.colour, NoneColour);
        EXPECT_EQ(mark.minimapColour, NoneColour);
    }
}

TEST(LayerColours, BorderedMarksAreWhiteInsideABlackOutline) {
    const std::string bordered = "######\n#....#\n#....#\n#....#\n#....#\n######\n";
    const std::string ivory = "######\n#....#\n#.##.#\n#.##.#\n#....#\n######\n";
    const std::tuple<MapLayer, int, std::string> cases[] = {
        {MapLayer::Religion, PaganReligion, bordered},
        {MapLayer::Goods, SugarGoods, bordered},
        {MapLayer::Goods, IvoryGoods, ivory}};
    for (const auto& [layer, code, grid] : cases) {
        auto world = rendertest::LandWorld(1);
        rendertest::SetLayerCode(world->Provinces[1], layer, code);
        EXPECT_EQ(Grid(DrawOne(*world, layer).map, 17, 17, 6, 6), grid) << code;
    }
}

TEST(PoliticalLayer, OwnedProvincesTakeTheirNationsTableColour) {
    auto world = rendertest::LandWorld(1);
    world->NationsLoaded = 2;
    world->Nations[2].FantasiaColor = 3;
    rendertest::SetTableColour(*world, 3, 10, 20, 30);
    world->Provinces[1].Owner = 2;
    const Drawn d = DrawOne(*world, MapLayer::Political);
    EXPECT_EQ(Grid(d.map, 17, 17, 6, 6), "oooooo\noooooo\noooooo\noooooo\noooooo\noooooo\n");
    EXPECT_EQ(d.map.At(17, 17), RgbColour(0x0A141E));
    EXPECT_EQ(d.minimap.At(0, 2), RgbColour(0x0A141E));
    EXPECT_EQ(NationColour(*world, 2), RgbColour(0x0A141E));
}

TEST(PoliticalLayer, UnownedWhiteAndOutOfRangeAllDrawAsUnowned) {
    struct Case {
        const char* what;
        int owner;
        int fantasia;
    };
    const Case cases[] = {{"unowned", 0, 3},
                          {"white nation", 1, 4},
                          {"owner beyond the nations loaded", 3, 3},
                          {"negative owner", -2, 3},
                          {"colour 0", 1, 0},
                          {"colour beyond the table", 1, 24},
                          {"negative colour", 1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto world = rendertest::LandWorld(1);
        world->NationsLoaded = 2;
        world->Nations[1].FantasiaColor = static_cast<int8_t>(c.fantasia);
        rendertest::SetTableColour(*world, 3, 10, 20, 30);
        rendertest::SetTableColour(*world, 4, 255, 255, 255);
        world->Provinces[1].Owner = static_cast<int16_t>(c.owner);
        const Drawn d = DrawOne(*world, MapLayer::Political);
        EXPECT_EQ(Grid(d.map, 17, 17, 6, 6), "######\n#....#\n#....#\n#....#\n#....#\n######\n");
        EXPECT_EQ(Grid(d.minimap, 0, 2, 2, 2), "ss\nss\n");
    }
}

TEST(PoliticalLayer, ColourComponentsOutsideAByteAreClamped) {
    auto world = rendertest::LandWorld(0);
    rendertest::SetTableColour(*world, 1, 300, -5, 128);
    EXPECT_EQ(TableColour(world->Settings, 1), RgbColour(0xFF0080));
}

TEST(PoliticalLayer, SilverGoesUnderEveryMinimapMarkBeforeTheColours) {
    // Province 1 (owned, red) and province 2 (unowned) share one minimap mark: the silver of
    // province 2 was painted first, so province 1's red stays.
    auto world = rendertest::LandWorld(2);
    world->NationsLoaded = 1;
    world->Nations[1].FantasiaColor = 1;
    rendertest::SetTableColour(*world, 1, 255, 0, 0);
    world->Provinces[1].Owner = 1;
    rendertest::PlaceAt(*world, 1, 40, 40);
    rendertest::PlaceAt(*world, 2, 41, 40);
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    DrawPoliticalLayer(*world, map, minimap);
    const PixelRect mark = MinimapMark(world->Provinces[2]);
    EXPECT_EQ(mark, MinimapMark(world->Provinces[1]));
    EXPECT_EQ(minimap.At(mark.left, mark.top), RgbColour(0xFF0000));
}

TEST(LayerColours, LayerNamesReadBack) {
    for (MapLayer layer : AllLayers) EXPECT_EQ(LayerFromName(LayerName(layer)), layer);
    EXPECT_FALSE(LayerFromName("Terrain"));
    EXPECT_FALSE(LayerFromName("all"));
}
