#include "mapeditor/model/ProvinceInfo.h"

#include <array>

namespace tq3 {

ProvinceInfo ProvinceInfoOf(const World& world, int p) {
    static const std::array<const char*, TerrainCodes> kTerrainWords = {
        "plains", "forest", "mountain", "desert", "marsh"};
    const TProvince& prov = world.Provinces[p];
    const TGeneratorSettings& s = world.Settings;
    ProvinceInfo info;
    info.number = std::to_string(p);
    info.religion = World::NameOf(s.ReligNames, prov.Religion);
    info.name = prov.Name;
    info.coast = prov.IsCoastal ? "coast" : "inland";
    if (Index(prov.Terrain) >= 0 && Index(prov.Terrain) < TerrainCodes)
        info.terrain = kTerrainWords[Index(prov.Terrain)];
    info.climate = std::to_string(prov.Climate);
    info.goods = World::NameOf(s.GoodsNames, prov.Goods);
    info.manpower = std::to_string(prov.Manpower);
    info.income = std::to_string(prov.Income);
    info.colonDifficulty = std::to_string(prov.ColonDifficulty);
    info.tradeNegotiation = std::to_string(prov.TradeNegotiation);
    info.nativeTolerance = std::to_string(prov.NativeTolerance);
    info.nativePopulation = std::to_string(prov.NativePopulation);
    info.owner = world.IsValidNation(prov.Owner)
                     ? world.Nations[prov.Owner].Tag + ": " + world.Nations[prov.Owner].Name
                     : "Unowned";
    return info;
}

int NationLegendWidth(const World& world) {
    const int nations = world.NationCountLoaded();
    if (nations < 1) return 0;
    return ((nations - 1) / legend::Rows + 1) * legend::ColumnWidth;
}

LegendSlot NationLegendSlot(int nation) {
    return {(nation - 1) / legend::Rows * legend::ColumnWidth,
            (nation - 1) % legend::Rows * legend::RowHeight};
}

int NationAtLegendPoint(const World& world, int x, int y) {
    if (x < 0 || y < 0) return 0;
    const int row = y / legend::RowHeight;
    if (row >= legend::Rows) return 0;
    const int k = row + legend::Rows * (x / legend::ColumnWidth);
    return k + 1 <= world.NationCountLoaded() ? k + 1 : 0;
}

}  // namespace tq3
