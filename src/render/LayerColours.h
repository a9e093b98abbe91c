#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/World.h"
#include "render/PixelBuffer.h"

namespace tq3 {

// The five layers of the map, in the order of the window's layer buttons.
enum class MapLayer { Terrain, Climate, Goods, Religion, Political };
constexpr std::array<MapLayer, 5> AllLayers = {
    MapLayer::Terrain, MapLayer::Climate, MapLayer::Goods, MapLayer::Religion, MapLayer::Political};

// "terrain", "climate", "goods", "religion", "political".
const char* LayerName(MapLayer layer);
std::optional<MapLayer> LayerFromName(const std::string& name);

// Codes that are drawn with a special mark.
constexpr int PaganReligion = 1;
constexpr int IvoryGoods = 8;
constexpr int SugarGoods = 16;

// How a province's mark looks beyond its colour.
enum class MarkStyle {
    Plain,     // the 6 x 6 square in the colour
    Bordered,  // white square with a black 1-pixel border
    IvoryDot,  // bordered, with a black 2 x 2 centre dot
};

// The colour of every code of the layer tables; a table holds code k in element k (element 0
// of the goods and religion tables is unused: code 0 is "none").
extern const std::array<Argb, TerrainCodes> TerrainColours;
extern const std::array<Argb, ClimateCodes> ClimateColours;
extern const std::array<Argb, 11> ReligionColours;           // codes 1..10
extern const std::array<Argb, GoodsCodes + 1> GoodsColours;  // codes 1..20
constexpr int FirstReligionCode = 1, LastReligionCode = 10;
constexpr int FirstGoodsCode = 1, LastGoodsCode = GoodsCodes;

// A code outside its table (no religion, no goods, a damaged value) is drawn in this colour.
constexpr Argb NoneColour = Black;

// The codes of a layer's table, lowest to highest (none for the political layer).
int FirstCode(MapLayer layer);
int LastCode(MapLayer layer);
// The colour of a code in the terrain, climate, goods or religion table; nothing for a code
// outside the table.
std::optional<Argb> CodeColour(MapLayer layer, int code);
MarkStyle CodeStyle(MapLayer layer, int code);

// The colour of colour number k (1..23) of the settings' colour table (ColorRed, ColorGreen,
// ColorBlue, each limited to 0..255); nothing outside it.
std::optional<Argb> TableColour(const TGeneratorSettings& settings, int colour);
// A nation's colour in the political layer and its legend: its FantasiaColor in the colour
// table; nothing for a nation that is not loaded or a colour outside the table.
std::optional<Argb> NationColour(const World& world, int nation);

// The text and circle colours of the eight major rows M1..M8 (element 0 unused).
extern const std::array<Argb, 9> MajorRowColours;

// How one province looks in one layer: the map mark's colour and style and the minimap mark's
// colour (silver where the map mark is white with a border, which white would hide, except for
// the white goods, which keep their colour there).
struct ProvinceMark {
    Argb colour = NoneColour;
    MarkStyle style = MarkStyle::Plain;
    Argb minimapColour = NoneColour;
};
// The mark of land province p in the layer. Every index read from the world is checked: a code
// outside its table draws as NoneColour, an owner or colour outside its table as unowned, and a
// province number outside the table gives the NoneColour mark.
ProvinceMark MarkOf(const World& world, MapLayer layer, int p);

}  // namespace tq3
