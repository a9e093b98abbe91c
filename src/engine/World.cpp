#include "engine/World.h"

#include <cstdlib>

namespace tq3 {

std::vector<int> TradeCentres::All() const {
    std::vector<int> all = toMajors;
    all.insert(all.end(), toTraders.begin(), toTraders.end());
    all.insert(all.end(), drawn.begin(), drawn.end());
    return all;
}

const std::array<SpecificName, 22> SpecificNames = {{
    {"Port", SpecPort},
    {"CoT", SpecCoT},
    {"Bailiff", SpecBailiff},
    {"Cityrights", SpecCityrights},
    {"Courthouse", SpecCourthouse},
    {"Shipyard", SpecShipyard},
    {"Fortress", SpecFortress},
    {"Colonist", SpecColonist},
    {"Merchant", SpecMerchant},
    {"Population", SpecPopulation},
    {"Barrack", SpecBarrack},
    {"Luxury", SpecLuxury},
    {"Refinery", SpecRefinery},
    {"Goods", SpecGoods},
    {"Weapons", SpecWeapons},
    {"NavalEquipment", SpecNavalEquipment},
    {"Bank", SpecBank},
    {"StartSiberia", SpecStartSiberia},
    {"StartAmerica", SpecStartAmerica},
    {"FixedStartLoc", SpecFixedStartLoc},
    {"SplitArmy", SpecSplitArmy},
    {"Unknown", SpecUnknown},
}};

const std::string& World::ContinentName(int p) const {
    return NameOf(Settings.ContinentNames, Provinces[p].Continent);
}

const std::string& World::AreaName(int p) const {
    return NameOf(Settings.AreaNames, Provinces[p].Area);
}

bool IsEuropean(const World& world, int p) {
    if (p < 0 || p > MaxProvinceNumber) return false;
    if (world.ContinentName(p) == "Europe") return true;
    const std::string& area = world.AreaName(p);
    return area == "Russia" || area == "Baltic" || area == "Ukraine" || area == "Caucasus" ||
           area == "Mediterranean" || area == "Anatolia";
}

bool IsAsian(const World& world, int p) {
    return p >= 0 && p <= MaxProvinceNumber && world.ContinentName(p) == "Asia";
}

int16_t FindProvinceAt(const World& world, int x, int y) {
    for (int bound : {30, 60, 100}) {
        for (int p = 1; p <= world.ProvinceCount(); ++p) {
            const TProvince& prov = world.Provinces[p];
            if (!prov.IsLand()) continue;
            if (std::abs(x - prov.MapX) + std::abs(y - prov.MapY) < bound)
                return static_cast<int16_t>(p);
        }
    }
    return 0;
}

}  // namespace tq3
