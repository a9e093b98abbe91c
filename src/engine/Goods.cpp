#include "engine/Goods.h"

#include <algorithm>
#include <array>

#include "engine/Tickets.h"

namespace tq3 {

namespace {
using GoodsList = TGeneratorSettings::Shorts<GoodsCodes>;
using GoodsTicketList = TicketList<GoodsCodes>;

// The continent lists by number, 0 for none.
enum ContinentList { NoList, America, Africa, European, Asia, Oceania, ContinentLists };

// The one continent list for a province: the first of America, Africa, European, Asia,
// Oceania that holds; none when no test holds.
ContinentList ContinentListOf(const World& world, int p) {
    const std::string& continent = world.ContinentName(p);
    if (continent == "America") return America;
    if (continent == "Africa") return Africa;
    if (IsEuropean(world, p)) return European;
    if (continent == "Asia") return Asia;
    if (continent == "Oceania") return Oceania;
    return NoList;
}

const GoodsList* ListOf(const TGeneratorSettings& s, ContinentList list) {
    switch (list) {
        case America:
            return &s.GoodsAmericaModif;
        case Africa:
            return &s.GoodsAfricaModif;
        case European:
            return &s.GoodsEuropaModif;
        case Asia:
            return &s.GoodsAsiaModif;
        case Oceania:
            return &s.GoodsOceaniaModif;
        default:
            return nullptr;
    }
}

// The goods step's ticket lists, each worked out at its first use: a province's weights
// depend only on its coast, climate, terrain and continent list, and the world has far more
// provinces than such kinds. The continent list depends only on the continent and area codes.
class GoodsTickets {
  public:
    explicit GoodsTickets(const World& world) : world_(world) { listOf_.fill(kUnknown); }

    const GoodsTicketList& For(int p) {
        const TGeneratorSettings& s = world_.Settings;
        const TProvince& prov = world_.Provinces[p];
        const ContinentList continent = s.IsContinentSpecifs ? ListFor(p) : NoList;
        const bool byTerrain = s.IsGoodsTerrainDependency;
        const int kind =
            byTerrain
                ? ((continent * ClimateCodes + prov.Climate) * TerrainCodes + Index(prov.Terrain)) *
                          2 +
                      prov.IsCoastal
                : continent;
        if (!made_[kind]) {
            lists_[kind] = Weigh(prov, byTerrain, ListOf(s, continent));
            made_[kind] = true;
        }
        return lists_[kind];
    }

  private:
    static constexpr int8_t kUnknown = -1;
    static constexpr int kContinentCodes = 10, kAreaCodes = 160;
    static constexpr int kKinds = ContinentLists * ClimateCodes * TerrainCodes * 2;

    ContinentList ListFor(int p) {
        const TProvince& prov = world_.Provinces[p];
        if (prov.Continent < 0 || prov.Continent > kContinentCodes || prov.Area < 0 ||
            prov.Area > kAreaCodes)
            return ContinentListOf(world_, p);
        int8_t& known = listOf_[prov.Continent * (kAreaCodes + 1) + prov.Area];
        if (known == kUnknown) known = static_cast<int8_t>(ContinentListOf(world_, p));
        return static_cast<ContinentList>(known);
    }

    // Weights of goods 1..20 in elements 0..19: GoodsProb, then coast or inland, climate and
    // terrain percentages, then the continent's.
    GoodsTicketList Weigh(const TProvince& prov, bool byTerrain, const GoodsList* continent) const {
        const TGeneratorSettings& s = world_.Settings;
        const GoodsList& coast = prov.IsCoastal ? s.GoodsCoastalModif : s.GoodsInlandModif;
        std::array<int, GoodsCodes> w{};
        for (int g = 0; g < GoodsCodes; ++g) {
            w[g] = s.GoodsProb[g];
            if (byTerrain) {
                w[g] = PercentOf(w[g], coast[g]);
                w[g] = PercentOf(w[g], s.GoodsClimateModif[prov.Climate][g]);
                w[g] = PercentOf(w[g], s.GoodsTerainModif[Index(prov.Terrain)][g]);
            }
            if (continent) w[g] = PercentOf(w[g], (*continent)[g]);
        }
        return GoodsTicketList(w);
    }

    const World& world_;
    std::array<int8_t, (kContinentCodes + 1) * (kAreaCodes + 1)> listOf_;
    std::array<GoodsTicketList, kKinds> lists_;
    std::array<bool, kKinds> made_{};
};

template <class Source>
void DrawGoods(World& world, Source& random) {
    const TGeneratorSettings& s = world.Settings;
    if (!s.IsRandomGoods) return;

    GoodsTickets tickets(world);
    const int count = world.ProvinceCount();
    for (int p = 1; p <= count; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        // A climate without its goods list keeps the province's goods and mine.
        if (s.IsGoodsTerrainDependency && (prov.Climate < 0 || prov.Climate >= ClimateCodes))
            continue;

        // Without any ticket the province keeps its goods and mine.
        const int drawn = tickets.For(p).Draw(random);
        if (drawn < 0) continue;
        prov.Goods = static_cast<int8_t>(drawn + 1);

        // Gold, known by its name, gets a mine: the low 8 bits of one of the seven
        // MineValueGenerator values; any other goods has none.
        if (World::NameOf(s.GoodsNames, prov.Goods) == "Gold") {
            const int value = s.MineValueGenerator[std::clamp<int>(random.RandInt(7), 0, 6)];
            prov.MineValue = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
        } else {
            prov.MineValue = 0;
        }
    }
}

}  // namespace

void GenerateGoods(World& world, RandomSource& random) {
    WithDirectDraws(random, [&](auto& source) { DrawGoods(world, source); });
}

}  // namespace tq3
