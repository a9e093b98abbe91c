#pragma once

// Worlds built in code for the map steps: a grid of land provinces, each listing the up to
// eight provinces around it as neighbours, with every percent list of the map steps at 100 so
// that a test changes only what it looks at.

#include <memory>

#include "engine/World.h"

using namespace tq3;

namespace maptest {

inline void NeutralMapSettings(TGeneratorSettings& s) {
    s.TerainProbs.fill(100);
    s.AgeMountainsModif.fill(100);
    s.CoastalTerainModif.fill(100);
    s.InlandTerainModif.fill(100);
    for (auto& list : s.TerainClimateModif) list.fill(100);
    s.GoodsProb.fill(100);
    s.GoodsCoastalModif.fill(100);
    s.GoodsInlandModif.fill(100);
    for (auto& list : s.GoodsClimateModif) list.fill(100);
    for (auto& list : s.GoodsTerainModif) list.fill(100);
    for (auto* list : {&s.GoodsAmericaModif, &s.GoodsAfricaModif, &s.GoodsEuropaModif,
                       &s.GoodsAsiaModif, &s.GoodsOceaniaModif})
        list->fill(100);
}

// Land provinces 1..width*height, row by row, climate 5 and Plains, each neighbouring the
// provinces around it (up to 8).
inline std::unique_ptr<World> GridWorld(int width, int height) {
    auto world = std::make_unique<World>();
    world->Settings.ProvinceCount = static_cast<int16_t>(width * height);
    NeutralMapSettings(world->Settings);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int p = y * width + x + 1;
            world->Provinces[p].Terrain = Plains;
            world->Provinces[p].Climate = 5;
            int slot = 1;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if ((dx || dy) && nx >= 0 && nx < width && ny >= 0 && ny < height)
                        world->Neighbours[p][slot++] = static_cast<int16_t>(ny * width + nx + 1);
                }
        }
    }
    world->LandProvinceCount = static_cast<int16_t>(width * height);
    return world;
}

}  // namespace maptest
