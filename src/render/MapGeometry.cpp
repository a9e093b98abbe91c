#include "render/MapGeometry.h"

namespace tq3 {

namespace {
constexpr int MarkReachBefore = 3;  // the map mark starts 3 pixels before the centre
constexpr int CircleReach = 7;
// The minimap scale against the map picture: 1/15 across, 7/100 down.
constexpr int MinimapScaleX = 15;
constexpr int MinimapScaleYNum = 7, MinimapScaleYDen = 100;
constexpr int MinimapFrameTopOffset = 2;
}  // namespace

// Integer division truncates toward zero, as Trunc of the floating-point quotient does.
PixelPoint MapPixelAt(int gameX, int gameY) {
    return {gameX / MapUnitsPerPixelX, gameY / MapUnitsPerPixelY};
}

PixelPoint MapCentre(const TProvince& province) {
    return MapPixelAt(province.MapX, province.MapY);
}

PixelPoint MinimapPixel(const TProvince& province) {
    return {province.MapX / MinimapUnitsPerPixelX, province.MapY / MinimapUnitsPerPixelY};
}

PixelRect MapMark(const TProvince& province) {
    const PixelPoint c = MapCentre(province);
    return {c.x - MarkReachBefore, c.y - MarkReachBefore, MapMarkSize, MapMarkSize};
}

PixelRect MinimapMark(const TProvince& province) {
    const PixelPoint m = MinimapPixel(province);
    return {m.x - 1, m.y + 1, MinimapMarkSize, MinimapMarkSize};
}

PixelRect CapitalCircle(const TProvince& capital) {
    const PixelPoint c = MapCentre(capital);
    return {c.x - CircleReach, c.y - CircleReach, CapitalCircleSize, CapitalCircleSize};
}

PixelPoint GamePositionOfPixel(int x, int y) {
    return {x * MapUnitsPerPixelX, y * MapUnitsPerPixelY};
}

int ProvinceAtPixel(const World& world, int x, int y) {
    const PixelPoint game = GamePositionOfPixel(x, y);
    return FindProvinceAt(world, game.x, game.y);
}

PixelPoint MinimapFrameAt(ScrollPosition scroll) {
    return {scroll.x / MinimapScaleX,
            scroll.y * MinimapScaleYNum / MinimapScaleYDen + MinimapFrameTopOffset};
}

ScrollPosition ScrollForMinimapPoint(int mx, int my, int viewWidth, int viewHeight) {
    return {mx * MinimapScaleX - viewWidth / 2,
            my * MinimapScaleYDen / MinimapScaleYNum - viewHeight / 2};
}

ScrollPosition ScrollToCentre(PixelPoint p, int viewWidth, int viewHeight) {
    return {p.x - viewWidth / 2, p.y - viewHeight / 2};
}

}  // namespace tq3
