#include "engine/Terrain.h"

#include <algorithm>
#include <array>

#include "engine/Tickets.h"

namespace tq3 {

namespace {
// Element of a list by slider step; steps beyond the slider count as its ends.
int SliderElement(int step) {
    return std::clamp<int>(step, -4, 4) + 4;
}

template <class Source>
void DrawTerrain(World& world, Source& random) {
    const TGeneratorSettings& s = world.Settings;
    if (!s.IsRandomTerain) return;

    const int mountainPercent = s.AgeMountainsModif[SliderElement(s.Age)];
    const int perNeighbour = s.TerainDiversityModif[SliderElement(s.Diversity)];
    const int count = world.ProvinceCount();

    for (int p = 1; p <= count; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        // A climate without an element in the climate lists keeps the province as it is.
        const int climate = prov.Climate;
        if (climate < 0 || climate >= ClimateCodes) continue;

        // Base weights, Age on the mountains, then coast or inland, then climate percentages.
        std::array<int, TerrainCodes> w{};
        for (int t = 0; t < TerrainCodes; ++t) w[t] = s.TerainProbs[t];
        w[Index(TerrainCode::Mountain)] =
            PercentOf(w[Index(TerrainCode::Mountain)], mountainPercent);
        const auto& coast = prov.IsCoastal ? s.CoastalTerainModif : s.InlandTerainModif;
        for (int t = 0; t < TerrainCodes; ++t) w[t] = PercentOf(w[t], coast[t]);
        for (int t = 0; t < TerrainCodes; ++t)
            w[t] = PercentOf(w[t], s.TerainClimateModif[t][climate]);

        // Each neighbour adds the diversity weight to its current terrain: lower-numbered
        // neighbours already carry their new terrain. Entries outside the world or not on land
        // are passed over.
        const NeighbourRow& row = world.Neighbours[p];
        for (int slot = 1; slot <= NeighbourSlots && row[slot] != 0; ++slot) {
            const int n = row[slot];
            if (!world.IsValidProvince(n) || !world.IsLand(n)) continue;
            w[Index(world.Provinces[n].Terrain)] += perNeighbour;
        }

        // Without any ticket the province keeps its terrain.
        const int drawn = DrawTicket(w, random);
        if (drawn >= 0) prov.Terrain = static_cast<TerrainCode>(drawn);
    }
}

}  // namespace

void GenerateTerrain(World& world, RandomSource& random) {
    WithDirectDraws(random, [&](auto& source) { DrawTerrain(world, source); });
}

}  // namespace tq3
