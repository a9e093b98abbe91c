#pragma once

#include "engine/World.h"
#include "render/PixelBuffer.h"

namespace tq3 {

// The map picture: 2360 x 1030 pixels, one pixel per 8 game units across and 7 down.
constexpr int MapPictureWidth = 2360;
constexpr int MapPictureHeight = 1030;
constexpr int MapUnitsPerPixelX = 8;
constexpr int MapUnitsPerPixelY = 7;

// The minimap: 155 x 79 pixels, one pixel per 120 game units across and 100 down, so 1/15 of
// the map picture across and 7/100 of it down.
constexpr int MinimapWidth = 155;
constexpr int MinimapHeight = 79;
constexpr int MinimapUnitsPerPixelX = 120;
constexpr int MinimapUnitsPerPixelY = 100;
constexpr int MinimapFrameWidth = 40;
constexpr int MinimapFrameHeight = 35;

// A province's mark: 6 x 6 on the map picture, 2 x 2 on the minimap.
constexpr int MapMarkSize = 6;
constexpr int MinimapMarkSize = 2;

// The capital circle of a major row: 13 x 13, its top-left corner 7 pixels up and left of the
// capital's centre pixel.
constexpr int CapitalCircleSize = 13;

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The centre pixel on the map picture of game position (X, Y): (Trunc(X / 8), Trunc(Y / 7)).
PixelPoint MapPixelAt(int gameX, int gameY);
PixelPoint MapCentre(const TProvince& province);
// The minimap pixel of a province: (Trunc(X / 120), Trunc(Y / 100)).
PixelPoint MinimapPixel(const TProvince& province);

// Columns x-3..x+2 and rows y-3..y+2 around the centre pixel.
PixelRect MapMark(const TProvince& province);
// Columns mx-1..mx and rows my+1..my+2 from the minimap pixel.
PixelRect MinimapMark(const TProvince& province);
PixelRect CapitalCircle(const TProvince& capital);

// A click at map-picture pixel (x, y) stands for game position (x * 8, y * 7).
PixelPoint GamePositionOfPixel(int x, int y);
// The land province a click at map-picture pixel (x, y) acts on, 0 for none.
int ProvinceAtPixel(const World& world, int x, int y);

// Scroll positions of the map (top-left pixel of the view) and the minimap frame over them.
struct ScrollPosition {
    int x = 0, y = 0;
    bool operator==(const ScrollPosition&) const = default;
};
// Frame left = Trunc(scroll x / 15); frame top = Trunc(scroll y * 7 / 100) + 2.
PixelPoint MinimapFrameAt(ScrollPosition scroll);
// The scroll position that centres the view (viewWidth x viewHeight) on minimap point
// (mx, my): (mx * 15 - Trunc(w / 2), Trunc(my * 100 / 7) - Trunc(h / 2)).
ScrollPosition ScrollForMinimapPoint(int mx, int my, int viewWidth, int viewHeight);
// The scroll position that puts map pixel p in the middle of the view.
ScrollPosition ScrollToCentre(PixelPoint p, int viewWidth, int viewHeight);

}  // namespace tq3
