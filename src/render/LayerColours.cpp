#include "render/LayerColours.h"

#include <algorithm>

namespace tq3 {

namespace {
// The named colours of the tables.
constexpr Argb Olive = RgbColour(0x808000), Lime = RgbColour(0x00FF00), Red = RgbColour(0xFF0000),
               Yellow = RgbColour(0xFFFF00), Blue = RgbColour(0x0000FF), Teal = RgbColour(0x008080),
               Fuchsia = RgbColour(0xFF00FF), Aqua = RgbColour(0x00FFFF),
               Navy = RgbColour(0x000080), Gray = RgbColour(0x808080), Maroon = RgbColour(0x800000),
               Green = RgbColour(0x008000), Orange = RgbColour(0xFF8040),
               Purple = RgbColour(0x800080);

constexpr std::array<const char*, 5> LayerNames = {"terrain", "climate", "goods", "religion",
                                                   "political"};
constexpr int ColourTableSize = 23;
constexpr int MaxComponent = 255;

int Component(int value) {
    return std::clamp<int>(value, 0, MaxComponent);
}
}  // namespace

const std::array<Argb, TerrainCodes> TerrainColours = {Olive, Lime, Red, Yellow, Blue};

const std::array<Argb, ClimateCodes> ClimateColours = {Silver, Yellow, Teal, Lime, Fuchsia,
                                                       Blue,   Red,    Aqua, Navy};

const std::array<Argb, 11> ReligionColours = {NoneColour, White, Gray,   Blue,   Aqua, Maroon,
                                              Lime,       Green, Yellow, Orange, Red};

const std::array<Argb, GoodsCodes + 1> GoodsColours = {NoneColour, Fuchsia, RgbColour(0x8080C0),
                                                       Olive,      Blue,    Maroon,
                                                       Yellow,     Lime,    White,
                                                       Teal,       Gray,    Navy,
                                                       Orange,     Aqua,    Black,
                                                       Red,        White,   RgbColour(0xFF80FF),
                                                       Green,      Purple,  Silver};

const std::array<Argb, 9> MajorRowColours = {NoneColour, Blue, Red,  Maroon, Green,
                                             Purple,     Teal, Navy, Olive};

const char* LayerName(MapLayer layer) {
    return LayerNames[static_cast<std::size_t>(layer)];
}

std::optional<MapLayer> LayerFromName(const std::string& name) {
    for (MapLayer layer : AllLayers)
        if (name == LayerName(layer)) return layer;
    return std::nullopt;
}

int FirstCode(MapLayer layer) {
    switch (layer) {
        case MapLayer::Goods:
            return FirstGoodsCode;
        case MapLayer::Religion:
            return FirstReligionCode;
        default:
            return 0;
    }
}

int LastCode(MapLayer layer) {
    switch (layer) {
        case MapLayer::Terrain:
            return TerrainCodes - 1;
        case MapLayer::Climate:
            return ClimateCodes - 1;
        case MapLayer::Goods:
            return LastGoodsCode;
        case MapLayer::Religion:
            return LastReligionCode;
        case MapLayer::Political:
            return -1;
    }
    return -1;
}

std::optional<Argb> CodeColour(MapLayer layer, int code) {
    if (code < FirstCode(layer) || code > LastCode(layer)) return std::nullopt;
    switch (layer) {
        case MapLayer::Terrain:
            return TerrainColours[code];
        case MapLayer::Climate:
            return ClimateColours[code];
        case MapLayer::Goods:
            return GoodsColours[code];
        case MapLayer::Religion:
            return ReligionColours[code];
        case MapLayer::Political:
            break;
    }
    return std::nullopt;
}

MarkStyle CodeStyle(MapLayer layer, int code) {
    if (layer == MapLayer::Religion && code == PaganReligion) return MarkStyle::Bordered;
    if (layer == MapLayer::Goods && code == SugarGoods) return MarkStyle::Bordered;
    if (layer == MapLayer::Goods && code == IvoryGoods) return MarkStyle::IvoryDot;
    return MarkStyle::Plain;
}

std::optional<Argb> TableColour(const TGeneratorSettings& settings, int colour) {
    if (colour < 1 || colour > ColourTableSize) return std::nullopt;
    const int i = colour - 1;
    return RgbColour(Component(settings.ColorRed[i]), Component(settings.ColorGreen[i]),
                     Component(settings.ColorBlue[i]));
}

std::optional<Argb> NationColour(const World& world, int nation) {
    if (!world.IsValidNation(nation)) return std::nullopt;
    return TableColour(world.Settings, world.Nations[nation].FantasiaColor);
}

ProvinceMark MarkOf(const World& world, MapLayer layer, int p) {
    ProvinceMark mark;
    if (p < 0 || p > MaxProvinceNumber) return mark;
    const TProvince& province = world.Provinces[p];
    if (layer == MapLayer::Political) {
        // An owned province takes its owner's colour; unowned, or a colour that is exactly
        // white, is a white square with a black border over a silver minimap mark.
        const std::optional<Argb> owner = NationColour(world, province.Owner);
        mark.colour = owner.value_or(White);
        mark.style = mark.colour == White ? MarkStyle::Bordered : MarkStyle::Plain;
        mark.minimapColour = mark.colour == White ? Silver : mark.colour;
        return mark;
    }
    int code = 0;
    switch (layer) {
        case MapLayer::Terrain:
            code = Index(province.Terrain);
            break;
        case MapLayer::Climate:
            code = province.Climate;
            break;
        case MapLayer::Goods:
            code = province.Goods;
            break;
        case MapLayer::Religion:
            code = province.Religion;
            break;
        case MapLayer::Political:
            break;
    }
    const std::optional<Argb> colour = CodeColour(layer, code);
    if (!colour) return mark;  // NoneColour on both pictures
    mark.colour = *colour;
    mark.style = CodeStyle(layer, code);
    // Pagan is silver on the minimap, where white would vanish.
    mark.minimapColour = layer == MapLayer::Religion && code == PaganReligion ? Silver : *colour;
    return mark;
}

}  // namespace tq3
