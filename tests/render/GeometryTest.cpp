// Conversions between the map picture, the minimap, scroll positions and game positions.

#include <gtest/gtest.h>

#include "RenderTestWorld.h"
#include "render/MapGeometry.h"

using namespace tq3;

TEST(Geometry, TheMinimapFrameFollowsTheScrollPosition) {
    const struct {
        ScrollPosition scroll;
        PixelPoint frame;
    } cases[] = {{{0, 0}, {0, 2}},      {{14, 14}, {0, 2}},        {{15, 15}, {1, 3}},
                 {{1000, 50}, {66, 5}}, {{2360, 1030}, {157, 74}}, {{1598, 536}, {106, 39}}};
    for (const auto& c : cases)
        EXPECT_EQ(MinimapFrameAt(c.scroll), c.frame) << c.scroll.x << "," << c.scroll.y;
}

TEST(Geometry, AMinimapClickCentresTheView) {
    EXPECT_EQ(ScrollForMinimapPoint(0, 0, 500, 300), (ScrollPosition{-250, -150}));
    EXPECT_EQ(ScrollForMinimapPoint(100, 40, 501, 301), (ScrollPosition{1250, 421}));
    EXPECT_EQ(ScrollForMinimapPoint(3, 3, 0, 0), (ScrollPosition{45, 42}));
    EXPECT_EQ(ScrollToCentre({500, 200}, 401, 100), (ScrollPosition{300, 150}));
}

TEST(Geometry, AClickStandsForTheGamePositionOfItsPixel) {
    EXPECT_EQ(GamePositionOfPixel(10, 20), (PixelPoint{80, 140}));
    auto world = rendertest::LandWorld(2);
    rendertest::PlaceAt(*world, 1, 100, 100);
    rendertest::PlaceAt(*world, 2, 103, 100);
    // Both near enough: the lower number wins, as FindProvinceAt has it.
    EXPECT_EQ(ProvinceAtPixel(*world, 103, 100), 1);
    EXPECT_EQ(ProvinceAtPixel(*world, 100, 100), 1);
    EXPECT_EQ(ProvinceAtPixel(*world, 500, 500), 0);
}

TEST(Geometry, CapitalCirclesSitAroundTheCentrePixel) {
    auto world = rendertest::LandWorld(1);
    rendertest::PlaceAt(*world, 1, 40, 30);
    EXPECT_EQ(CapitalCircle(world->Provinces[1]), (PixelRect{33, 23, 13, 13}));
    EXPECT_EQ(MapMark(world->Provinces[1]), (PixelRect{37, 27, 6, 6}));
}
