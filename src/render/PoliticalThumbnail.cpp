#include "render/PoliticalThumbnail.h"

#include <algorithm>

#include "render/LayerColours.h"
#include "render/MapGeometry.h"
#include "render/MapRenderer.h"

namespace tq3 {

namespace {
constexpr Argb kBackground = RgbColour(0xF4F4F0);
constexpr int kDot = 2;   // a province: 3 x 3 pixels
constexpr int kRing = 4;  // a major's capital: 5 x 5 black under its dot
}  // namespace

PixelBuffer PoliticalThumbnail(const World& world, int width) {
    width = std::max(width, 1);
    const int height = std::max(1, width * MapPictureHeight / MapPictureWidth);
    PixelBuffer picture(width, height, kBackground);
    const auto place = [&](const TProvince& prov) {
        const PixelPoint centre = MapCentre(prov);
        return PixelPoint{centre.x * width / MapPictureWidth, centre.y * height / MapPictureHeight};
    };
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        const int capital = world.Nations[n].Capital();
        if (!world.IsMajor(n) || !world.IsValidProvince(capital)) continue;
        const PixelPoint at = place(world.Provinces[capital]);
        FillSquare(picture, at.x - kRing / 2, at.y - kRing / 2, kRing, Black);
    }
    for (int p = 1; p <= world.ProvinceCount(); ++p) {
        const TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        const std::optional<Argb> colour =
            prov.Owner != 0 ? NationColour(world, prov.Owner) : std::nullopt;
        const PixelPoint at = place(prov);
        FillSquare(picture, at.x - kDot / 2, at.y - kDot / 2, kDot, colour.value_or(Silver));
    }
    return picture;
}

}  // namespace tq3
