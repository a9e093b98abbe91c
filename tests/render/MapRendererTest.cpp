// Where marks and lines land on the pictures, what is drawn over what, and the single-province
// redraws against the whole-layer drawing.

#include <gtest/gtest.h>

#include "RenderTestWorld.h"
#include "render/MapRenderer.h"

using namespace tq3;
using rendertest::CountPixels;
using rendertest::Grid;
using rendertest::PlaceAt;
using rendertest::SetNeighbours;

namespace {
constexpr Argb Olive = RgbColour(0x808000);
constexpr Argb Blue = RgbColour(0x0000FF);
}  // namespace

TEST(MapMarks, AProvinceIsASixBySixSquareAroundItsCentrePixel) {
    auto world = rendertest::LandWorld(1);
    world->Provinces[1].MapX = 800;  // centre x 100, minimap x 6
    world->Provinces[1].MapY = 350;  // centre y 50, minimap y 3
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    DrawTerrainLayer(*world, map, minimap);
    EXPECT_EQ(Grid(map, 96, 46, 8, 8),
              "........\n"
              ".oooooo.\n"
              ".oooooo.\n"
              ".oooooo.\n"
              ".oooooo.\n"
              ".oooooo.\n"
              ".oooooo.\n"
              "........\n");
    EXPECT_EQ(map.At(97, 47), Olive);
    EXPECT_EQ(CountPixels(map, Olive), 36);
    // Minimap: columns mx-1..mx, rows my+1..my+2.
    EXPECT_EQ(Grid(minimap, 4, 3, 4, 4), "....\n.oo.\n.oo.\n....\n");
    EXPECT_EQ(CountPixels(minimap, Olive), 4);
}

TEST(MapMarks, GameUnitsAreTruncatedTowardZero) {
    auto world = rendertest::LandWorld(1);
    const struct {
        int gameX, gameY;
        PixelPoint centre, minimap;
    } cases[] = {{15, 13, {1, 1}, {0, 0}},
                 {7, 6, {0, 0}, {0, 0}},
                 {-15, -13, {-1, -1}, {0, 0}},
                 {18879, 7209, {2359, 1029}, {157, 72}},
                 {-32768, 32767, {-4096, 4681}, {-273, 327}}};
    for (const auto& c : cases) {
        world->Provinces[1].MapX = static_cast<int16_t>(c.gameX);
        world->Provinces[1].MapY = static_cast<int16_t>(c.gameY);
        EXPECT_EQ(MapCentre(world->Provinces[1]), c.centre) << c.gameX << "," << c.gameY;
        EXPECT_EQ(MinimapPixel(world->Provinces[1]), c.minimap) << c.gameX << "," << c.gameY;
    }
}

TEST(MapMarks, MarksAtThePictureEdgesAreClipped) {
    // (15, 13) has its centre at (1, 1): columns -2..3 and rows -2..3, of which 0..3 show.
    auto world = rendertest::LandWorld(4);
    world->Provinces[1].MapX = 15;
    world->Provinces[1].MapY = 13;
    PlaceAt(*world, 2, MapPictureWidth, MapPictureHeight);  // only the top-left 3 x 3 shows
    world->Provinces[3].MapX = -30000;                      // wholly outside
    world->Provinces[3].MapY = 30000;
    world->Provinces[4].MapX = 32767;
    world->Provinces[4].MapY = -32768;
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    DrawTerrainLayer(*world, map, minimap);
    EXPECT_EQ(Grid(map, 0, 0, 5, 5), "oooo.\noooo.\noooo.\noooo.\n.....\n");
    EXPECT_EQ(Grid(map, MapPictureWidth - 4, MapPictureHeight - 4, 4, 4),
              "....\n.ooo\n.ooo\n.ooo\n");
    EXPECT_EQ(CountPixels(map, Olive), 16 + 9);
    // Province 1's minimap mark is columns -1..0, rows 1..2.
    EXPECT_EQ(Grid(minimap, 0, 0, 2, 4), "..\no.\no.\n..\n");
    EXPECT_EQ(CountPixels(minimap, Olive), 2 + 0);
}

TEST(MapMarks, SeaIsNeverDrawnAndNeverStartsALine) {
    auto world = rendertest::LandWorld(3);
    PlaceAt(*world, 1, 50, 50);
    PlaceAt(*world, 2, 80, 50);
    PlaceAt(*world, 3, 50, 90);
    world->Provinces[1].Terrain = TerrainCode::Sea;
    world->Provinces[2].Terrain = static_cast<TerrainCode>(7);
    SetNeighbours(*world, 1, {2, 3});
    SetNeighbours(*world, 2, {3});
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    DrawAdjacencyLines(*world, map);
    for (MapLayer layer : AllLayers) DrawLayer(*world, layer, map, minimap);
    // Only province 3's marks: no line, nothing of provinces 1 and 2.
    map.FillRect(MapMark(world->Provinces[3]), White);
    minimap.FillRect(MinimapMark(world->Provinces[3]), White);
    EXPECT_EQ(CountPixels(map, White), MapPictureWidth * MapPictureHeight);
    EXPECT_EQ(CountPixels(minimap, White), MinimapWidth * MinimapHeight);
}

TEST(MapMarks, LaterProvincesArePaintedOverEarlierOnes) {
    auto world = rendertest::LandWorld(2);
    PlaceAt(*world, 1, 30, 30);
    PlaceAt(*world, 2, 33, 30);
    world->Provinces[2].Terrain = TerrainCode::Marsh;
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    DrawTerrainLayer(*world, map, minimap);
    EXPECT_EQ(map.At(29, 30), Olive);
    EXPECT_EQ(map.At(30, 30), Blue);
}

TEST(MapMarks, ALayerRepaintsEveryLandMark) {
    auto world = rendertest::LandWorld(30);
    for (int p = 1; p <= 30; ++p) {
        PlaceAt(*world, p, 10 * p, 5 + p);
        world->Provinces[p].Climate = static_cast<int8_t>(p % 9);
        world->Provinces[p].Terrain = static_cast<TerrainCode>(p % 5);
    }
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    DrawClimateLayer(*world, map, minimap);
    DrawTerrainLayer(*world, map, minimap);
    PixelBuffer freshMap = NewMapPicture(), freshMinimap = NewMinimap();
    DrawTerrainLayer(*world, freshMap, freshMinimap);
    EXPECT_TRUE(map.pixels == freshMap.pixels);
}

TEST(AdjacencyLines, ALineJoinsTheCentrePixelsWithBothEnds) {
    auto world = rendertest::LandWorld(2);
    PlaceAt(*world, 1, 10, 20);
    PlaceAt(*world, 2, 30, 25);
    SetNeighbours(*world, 1, {2});
    PixelBuffer map = NewMapPicture();
    DrawAdjacencyLines(*world, map);
    EXPECT_EQ(map.At(10, 20), Black);
    EXPECT_EQ(map.At(30, 25), Black);
    EXPECT_EQ(CountPixels(map, Black), 21);  // one pixel per column
    for (int x = 10; x <= 30; ++x) {
        int inColumn = 0;
        for (int y = 18; y <= 27; ++y) inColumn += map.At(x, y) == Black ? 1 : 0;
        EXPECT_EQ(inColumn, 1) << x;
    }
    // Steep lines have one pixel per row.
    PixelBuffer steep = NewMapPicture();
    steep.DrawLine(5, 5, 7, 15, Black);
    EXPECT_EQ(CountPixels(steep, Black), 11);
}

TEST(AdjacencyLines, EachPairIsDrawnOnceFromTheLowerNumber) {
    // 7 and 12 list each other; the line is drawn while 7 is processed, from 7 to 12. These
    // positions make the two directions differ in their middle pixels.
    auto world = rendertest::LandWorld(12);
    for (int p = 1; p <= 12; ++p) world->Provinces[p].Terrain = TerrainCode::Sea;
    world->Provinces[7].Terrain = TerrainCode::Plains;
    world->Provinces[12].Terrain = TerrainCode::Forest;
    PlaceAt(*world, 7, 100, 100);
    PlaceAt(*world, 12, 104, 101);
    SetNeighbours(*world, 7, {12});
    SetNeighbours(*world, 12, {7});
    PixelBuffer map = NewMapPicture();
    DrawAdjacencyLines(*world, map);
    PixelBuffer forward = NewMapPicture(), backward = NewMapPicture();
    forward.DrawLine(100, 100, 104, 101, Black);
    backward.DrawLine(104, 101, 100, 100, Black);
    ASSERT_FALSE(forward.pixels == backward.pixels);
    EXPECT_TRUE(map.pixels == forward.pixels);

    // Listed only by the higher number: no line at all.
    SetNeighbours(*world, 7, {0});
    PixelBuffer none = NewMapPicture();
    DrawAdjacencyLines(*world, none);
    EXPECT_EQ(CountPixels(none, Black), 0);
}

TEST(AdjacencyLines, ListsEndAtTheFirstZeroAndSkipNumbersOutsideTheTable) {
    auto world = rendertest::LandWorld(4);
    PlaceAt(*world, 1, 10, 10);
    PlaceAt(*world, 2, 20, 10);
    PlaceAt(*world, 3, 10, 30);
    PlaceAt(*world, 4, 30, 30);
    SetNeighbours(*world, 1, {2, 1620, 5, 32767, 0, 3});
    SetNeighbours(*world, 4, {-3});
    PixelBuffer map = NewMapPicture();
    DrawAdjacencyLines(*world, map);
    EXPECT_EQ(CountPixels(map, Black), 11);  // 1 to 2 only
}

TEST(AdjacencyLines, MarksArePaintedOverTheLineEnds) {
    auto world = rendertest::LandWorld(2);
    PlaceAt(*world, 1, 10, 10);
    PlaceAt(*world, 2, 30, 10);
    SetNeighbours(*world, 1, {2});
    const MapPictures pictures = RenderMap(*world, MapLayer::Terrain);
    EXPECT_EQ(Grid(pictures.map, 6, 10, 28, 1), ".oooooo##############oooooo.\n");
    EXPECT_EQ(CountPixels(pictures.map, Black), 14);
    EXPECT_EQ(CountPixels(pictures.minimap, Olive), 2 + 4);  // the first clipped at the left
}

namespace {
// Small pictures with something already on them, as the window's are when a province is
// repainted; marks reach past their edges on every side.
MapPictures Painted() {
    MapPictures p{PixelBuffer(80, 80, RgbColour(0x123456)), PixelBuffer(6, 6, RgbColour(0x654321))};
    return p;
}

}  // namespace

TEST(Redraw, OneProvinceLooksAsTheWholeLayerDrawsIt) {
    // Every code of every table and a few outside them, one province redrawn against the whole
    // layer drawn on the same pictures.
    auto world = rendertest::LandWorld(1);
    world->NationsLoaded = 3;
    rendertest::SetTableColour(*world, 1, 200, 10, 10);
    rendertest::SetTableColour(*world, 2, 255, 255, 255);
    world->Nations[1].FantasiaColor = 1;
    world->Nations[2].FantasiaColor = 2;
    world->Nations[3].FantasiaColor = 30;
    for (MapLayer layer : AllLayers) {
        const int first = layer == MapLayer::Political ? -1 : FirstCode(layer) - 2;
        const int last = layer == MapLayer::Political ? 4 : LastCode(layer) + 2;
        for (int code = first; code <= last; ++code) {
            if (layer == MapLayer::Terrain && (code < 0 || code > 4)) continue;  // not land
            SCOPED_TRACE(std::string(LayerName(layer)) + " code " + std::to_string(code));
            rendertest::SetLayerCode(world->Provinces[1], layer, code);
            for (auto [x, y] : {std::pair{12, 9}, std::pair{256, 210}, std::pair{620, 540}}) {
                world->Provinces[1].MapX = static_cast<int16_t>(x);
                world->Provinces[1].MapY = static_cast<int16_t>(y);
                MapPictures whole = Painted(), one = Painted();
                DrawLayer(*world, layer, whole.map, whole.minimap);
                RedrawProvince(*world, layer, 1, one.map, one.minimap);
                EXPECT_TRUE(whole.map.pixels == one.map.pixels);
                EXPECT_TRUE(whole.minimap.pixels == one.minimap.pixels);
            }
        }
    }
}

TEST(Redraw, NamedRedrawsDrawTheirLayer) {
    auto world = rendertest::LandWorld(1);
    PlaceAt(*world, 1, 50, 50);
    world->Provinces[1].Terrain = TerrainCode::Mountain;
    world->Provinces[1].Climate = 8;
    world->Provinces[1].Religion = 3;
    world->Provinces[1].Goods = 14;
    const std::pair<void (*)(const World&, int, PixelBuffer&, PixelBuffer&), Argb> cases[] = {
        {&RedrawTerrain, RgbColour(0xFF0000)},
        {&RedrawClimate, RgbColour(0x000080)},
        {&RedrawReligion, RgbColour(0x0000FF)},
        {&RedrawGoods, RgbColour(0x000000)}};
    for (const auto& [redraw, colour] : cases) {
        MapPictures p = Painted();
        redraw(*world, 1, p.map, p.minimap);
        EXPECT_EQ(p.map.At(50, 50), colour);
        EXPECT_EQ(CountPixels(p.map, colour), 36);
        EXPECT_EQ(CountPixels(p.minimap, colour), 4);
    }
}

TEST(Redraw, NumbersOutsideTheTableAndSeaDrawNothing) {
    auto world = rendertest::LandWorld(3);
    PlaceAt(*world, 1, 50, 50);
    world->Provinces[2].Terrain = TerrainCode::Sea;
    PlaceAt(*world, 4, 60, 60);  // land, but beyond ProvinceCount
    world->Provinces[4].Terrain = TerrainCode::Plains;
    for (int p : {-1, 0, 2, 4, 1620, 1621, 100000}) {
        MapPictures pictures = Painted();
        const MapPictures before = Painted();
        RedrawTerrain(*world, p, pictures.map, pictures.minimap);
        EXPECT_TRUE(pictures.map.pixels == before.map.pixels) << p;
        EXPECT_TRUE(pictures.minimap.pixels == before.minimap.pixels) << p;
    }
}

TEST(Redraw, FillSquareCoversNPlusOnePixelsEachWay) {
    PixelBuffer picture(10, 10, White);
    FillSquare(picture, 8, -1, 5, Black);
    EXPECT_EQ(CountPixels(picture, Black), 2 * 5);
    FillSquare(picture, 2, 2, 1, Black);
    EXPECT_EQ(Grid(picture, 1, 1, 4, 4), "....\n.##.\n.##.\n....\n");
}
