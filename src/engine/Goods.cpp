#include "engine/Goods.h"

#include <array>

#include "engine/Tickets.h"

namespace tq3 {

namespace {
using GoodsList = TGeneratorSettings::Shorts<GoodsCodes>;

// The one continent list for a province: the first of America, Africa, European, Asia,
// Oceania that holds; none when no test holds.
const GoodsList* ContinentList(const World& world, int p) {
    const TGeneratorSettings& s = world.Settings;
    const std::string& continent = world.ContinentName(p);
    if (continent == "America") return &s.GoodsAmericaModif;
    if (continent == "Africa") return &s.GoodsAfricaModif;
    if (IsEuropean(world, p)) return &s.GoodsEuropaModif;
    if (continent == "Asia") return &s.GoodsAsiaModif;
    if (continent == "Oceania") return &s.GoodsOceaniaModif;
    return nullptr;
}
}  // namespace

void GenerateGoods(World& world, RandomSource& random) {
    const TGeneratorSettings& s = world.Settings;
    if (!s.IsRandomGoods) return;

    const int count = world.ProvinceCount();
    for (int p = 1; p <= count; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        // A climate without its goods list keeps the province's goods and mine.
        const bool byTerrain = s.IsGoodsTerrainDependency;
        if (byTerrain && (prov.Climate < 0 || prov.Climate >= ClimateCodes)) continue;

        // Weights of goods 1..20 in elements 0..19: GoodsProb, then coast or inland, climate
        // and terrain percentages, then the continent's.
        const GoodsList* continent = s.IsContinentSpecifs ? ContinentList(world, p) : nullptr;
        const GoodsList& coast = prov.IsCoastal ? s.GoodsCoastalModif : s.GoodsInlandModif;
        std::array<int, GoodsCodes> w{};
        for (int g = 0; g < GoodsCodes; ++g) {
            w[g] = s.GoodsProb[g];
            if (byTerrain) {
                w[g] = PercentOf(w[g], coast[g]);
                w[g] = PercentOf(w[g], s.GoodsClimateModif[prov.Climate][g]);
                w[g] = PercentOf(w[g], s.GoodsTerainModif[prov.Terrain][g]);
            }
            if (continent) w[g] = PercentOf(w[g], (*continent)[g]);
        }

        // Without any ticket the province keeps its goods and mine.
        const int drawn = DrawTicket(w, random);
        if (drawn < 0) continue;
        prov.Goods = static_cast<int8_t>(drawn + 1);

        // Gold, known by its name, gets a mine: the low 8 bits of one of the seven
        // MineValueGenerator values; any other goods has none.
        if (World::NameOf(s.GoodsNames, prov.Goods) == "Gold") {
            const int value = s.MineValueGenerator[Clamp(0, 6, random.RandInt(7))];
            prov.MineValue = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
        } else {
            prov.MineValue = 0;
        }
    }
}

}  // namespace tq3
