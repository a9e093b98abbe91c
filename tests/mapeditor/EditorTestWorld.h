#pragma once

// Small worlds for the map editor: land provinces at chosen game positions, a few nations,
// names for goods and religions.

#include <memory>
#include <string>

#include "engine/World.h"

namespace editortest {

using namespace tq3;

// Provinces 1..provinces, all sea at (0, 0); goods and religion names as the game has them.
inline std::unique_ptr<World> EmptyWorld(int provinces) {
    auto world = std::make_unique<World>();
    TGeneratorSettings& s = world->Settings;
    s.ProvinceCount = static_cast<int16_t>(provinces);
    const char* goods[] = {"Clothes", "Coffee", "Cotton",  "Fish",    "Furs",   "Gold", "Grain",
                           "Ivory",   "Iron",   "Mineral", "Navs",    "Orient", "Salt", "Slaves",
                           "Spices",  "Sugar",  "Tea",     "Tobbaco", "Wine",   "Wool"};
    for (int g = 0; g < GoodsCodes; ++g) s.GoodsNames[g] = goods[g];
    const char* religions[] = {"Pagan", "Catholic", "Protestant", "Reformed", "Orthodox",
                               "Sunni", "Shiite",   "Budhist",    "Hinduist", "Confucian"};
    for (int r = 0; r < 10; ++r) s.ReligNames[r] = religions[r];
    for (int k = 0; k < 7; ++k) s.MineValueGenerator[k] = static_cast<int16_t>(10 * (k + 1));
    for (int p = 1; p <= provinces; ++p) world->Provinces[p].Terrain = TerrainCode::Sea;
    return world;
}

// Makes p a land province at game position (x, y), Plains, climate 5, named "P<p>".
inline TProvince& Land(World& world, int p, int x, int y) {
    TProvince& prov = world.Provinces[p];
    prov.Terrain = TerrainCode::Plains;
    prov.Climate = 5;
    prov.MapX = static_cast<int16_t>(x);
    prov.MapY = static_cast<int16_t>(y);
    prov.Name = "P" + std::to_string(p);
    return prov;
}

// Appends a nation with the given tag, owning capital (0 = none); gives its number.
inline int AddNation(World& world, const std::string& tag, int capital,
                     const std::string& name = "") {
    const int n = ++world.NationsLoaded;
    TNation& nation = world.Nations[n];
    nation.Tag = tag;
    nation.Name = name.empty() ? "Nation " + tag : name;
    nation.OwnedProvinces[1] = static_cast<int16_t>(capital);
    if (capital > 0) world.Provinces[capital].Owner = static_cast<int16_t>(n);
    return n;
}

}  // namespace editortest
