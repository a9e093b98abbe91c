// The map drawn at a zoom against the 100 % picture: the same colours in crisp squares, lines
// that stay unbroken, and parts of the view that fit together when scrolled.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "RenderTestWorld.h"
#include "render/MapRenderer.h"
#include "render/ZoomedMap.h"

using namespace tq3;
using rendertest::PlaceAt;
using rendertest::SetLayerCode;
using rendertest::SetNeighbours;

namespace {
constexpr Argb Blue = RgbColour(0x0000FF);
constexpr int Fish = 4, Ivory = 8, Sugar = 16;

// Four goods marks apart from each other: Fish (plain), Ivory (dot), Sugar (border) and Fish
// far away, joined in a ring, and a long line from 1 to 4 clear of the marks.
std::unique_ptr<World> GoodsWorld() {
    auto world = rendertest::LandWorld(4);
    const struct {
        int x, y, goods;
    } places[] = {{100, 100, Fish}, {131, 110, Ivory}, {110, 141, Sugar}, {190, 170, Fish}};
    for (int p = 1; p <= 4; ++p) {
        PlaceAt(*world, p, places[p - 1].x, places[p - 1].y);
        SetLayerCode(world->Provinces[p], MapLayer::Goods, places[p - 1].goods);
    }
    SetNeighbours(*world, 1, {2, 3, 4});
    SetNeighbours(*world, 2, {3});
    return world;
}

// The zoomed map from map-picture pixel (0, 0) to (240, 200).
PixelBuffer Zoomed(const World& world, double scale, double screenRatio = 1) {
    PixelBuffer out;
    DrawZoomedMap(world, MapLayer::Goods, scale, screenRatio,
                  {0, 0, static_cast<int>(240 * scale), static_cast<int>(200 * scale)}, out);
    return out;
}

int Count(const PixelBuffer& picture, Argb colour) {
    return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), colour));
}

// The darkness (0..255) of the darkest of the 3 x 3 pixels around (x, y).
int DarkestAround(const PixelBuffer& picture, int x, int y) {
    int darkest = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            darkest = std::max(darkest, 0xFF - static_cast<int>(picture.At(x + dx, y + dy) & 0xFF));
    return darkest;
}
}  // namespace

TEST(ZoomedMap, AtWholeZoomsEveryMarkPixelBecomesABlockOfItsColour) {
    auto world = GoodsWorld();
    const PixelBuffer full = RenderMap(*world, MapLayer::Goods).map;
    for (int scale : {2, 3, 4}) {
        const PixelBuffer zoomed = Zoomed(*world, scale);
        for (int p = 1; p <= 4; ++p) {
            const PixelRect mark = MapMark(world->Provinces[p]);
            for (int y = mark.top; y < mark.top + mark.height; ++y)
                for (int x = mark.left; x < mark.left + mark.width; ++x)
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            ASSERT_EQ(zoomed.At(x * scale + dx, y * scale + dy), full.At(x, y))
                                << "scale " << scale << ", province " << p << ", pixel " << x << ","
                                << y;
        }
    }
}

TEST(ZoomedMap, SquaresHaveOneColourToTheirEdgeAndStayVisibleWhenZoomedOut) {
    // Two Fish marks: every Fish pixel is one of their squares, with no blended edge. On a
    // screen scaled to 200 % the least size is twice as many pixels.
    auto world = GoodsWorld();
    const struct {
        double scale, screenRatio;
        int side;
    } cases[] = {{0.27, 1, 3}, {0.5, 1, 3}, {0.75, 1, 5}, {1.5, 1, 9}, {2, 1, 12},
                 {3, 1, 18},   {4, 1, 24},  {0.54, 2, 6}, {2, 2, 12}};
    for (const auto& c : cases) {
        const PixelBuffer zoomed = Zoomed(*world, c.scale, c.screenRatio);
        EXPECT_EQ(Count(zoomed, Blue), 2 * c.side * c.side) << c.scale;
        // The square's middle pixel is the 100 % centre pixel's colour.
        const PixelPoint centre = MapCentre(world->Provinces[1]);
        EXPECT_EQ(
            zoomed.At(static_cast<int>(centre.x * c.scale), static_cast<int>(centre.y * c.scale)),
            Blue)
            << c.scale;
    }
}

TEST(ZoomedMap, LinesStayUnbrokenAtEveryZoom) {
    auto world = GoodsWorld();
    const PixelPoint a = MapCentre(world->Provinces[1]), b = MapCentre(world->Provinces[4]);
    const struct {
        double scale;
        int least;  // the darkness (0..255) of the line all along it
    } cases[] = {{0.27, 80}, {0.5, 100}, {1.5, 230}, {2, 240}, {4, 250}};
    for (const auto& c : cases) {
        const PixelBuffer zoomed = Zoomed(*world, c.scale);
        // Between the marks, every half pixel along the middle of the line.
        const double length = std::hypot(b.x - a.x, b.y - a.y) * c.scale;
        for (double t = 0.1; t <= 0.9; t += 0.5 / length) {
            const double x = (a.x + 0.5 + t * (b.x - a.x)) * c.scale;
            const double y = (a.y + 0.5 + t * (b.y - a.y)) * c.scale;
            ASSERT_GE(DarkestAround(zoomed, static_cast<int>(x), static_cast<int>(y)), c.least)
                << "scale " << c.scale << " at " << t;
        }
    }
}

TEST(ZoomedMap, PartsDrawnApartFitTogether) {
    // A scroll redraws only the strip that comes into view: any part equals the same pixels
    // of a larger one.
    auto world = GoodsWorld();
    for (double scale : {0.27, 1.5, 2.0, 4.0}) {
        const PixelRect whole{0, 0, static_cast<int>(240 * scale), static_cast<int>(200 * scale)};
        PixelBuffer all;
        DrawZoomedMap(*world, MapLayer::Goods, scale, 1, whole, all);
        for (const PixelRect part :
             {PixelRect{37, 41, 101, 67}, PixelRect{whole.width / 3, 5, whole.width / 2, 200}}) {
            PixelBuffer piece;
            DrawZoomedMap(*world, MapLayer::Goods, scale, 1, part, piece);
            ASSERT_EQ(piece.width, part.width);
            ASSERT_EQ(piece.height, part.height);
            for (int y = 0; y < piece.height && part.top + y < all.height; ++y)
                for (int x = 0; x < piece.width && part.left + x < all.width; ++x)
                    ASSERT_EQ(piece.At(x, y), all.At(part.left + x, part.top + y))
                        << "scale " << scale << ", pixel " << part.left + x << "," << part.top + y;
        }
    }
}
