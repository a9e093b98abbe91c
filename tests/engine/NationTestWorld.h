#pragma once

// Worlds built in code for the nation steps: small hand-made maps for exact draws, and a
// 1620-province map with 208 nations for the properties that must hold over many runs.

#include <algorithm>
#include <memory>
#include <queue>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/Random.h"
#include "engine/World.h"

using namespace tq3;

namespace nationtest {

enum ContinentCode { America = 1, Europe = 2, Asia = 3, Africa = 4, Oceania = 5 };

inline void NameContinents(TGeneratorSettings& s) {
    s.ContinentNames[0] = "America";
    s.ContinentNames[1] = "Europe";
    s.ContinentNames[2] = "Asia";
    s.ContinentNames[3] = "Africa";
    s.ContinentNames[4] = "Oceania";
}

// Provinces 1..provinces, all sea; no nation. Range settings point past the map.
inline std::unique_ptr<World> SeaWorld(int provinces) {
    auto world = std::make_unique<World>();
    TGeneratorSettings& s = world->Settings;
    s.ProvinceCount = static_cast<int16_t>(provinces);
    NameContinents(s);
    s.IslandsRangeMin = s.IslandsRangeMax = 1700;
    for (int p = 1; p <= provinces; ++p) world->Provinces[p].Terrain = Sea;
    return world;
}

inline TProvince& Land(World& world, int p, int continent = Europe, int religion = 2) {
    TProvince& prov = world.Provinces[p];
    prov.Terrain = Plains;
    prov.Climate = 5;
    prov.Continent = static_cast<int8_t>(continent);
    prov.Religion = static_cast<int8_t>(religion);
    return prov;
}

inline void AddNeighbour(World& world, int a, int b) {
    for (int slot = 1; slot <= 8; ++slot) {
        if (world.Neighbours[a][slot] == b) return;
        if (world.Neighbours[a][slot] == 0) {
            world.Neighbours[a][slot] = static_cast<int16_t>(b);
            return;
        }
    }
}

inline void Link(World& world, int a, int b) {
    AddNeighbour(world, a, b);
    AddNeighbour(world, b, a);
}

// Appends a nation starting at `capital` (which it owns) and gives its number.
inline int AddNation(World& world, int capital, int religion = 2, int size = 1,
                     uint32_t specifics = 0) {
    const int n = ++world.NationsLoaded;
    TNation& nation = world.Nations[n];
    nation.Tag = "N" + std::to_string(n);
    nation.Religion = static_cast<int8_t>(religion);
    nation.Size = static_cast<int8_t>(size);
    nation.Specifics = specifics;
    nation.Cultures[1] = static_cast<int16_t>(n);
    nation.OwnedProvinces[1] = static_cast<int16_t>(capital);
    if (capital >= 1 && capital <= MaxProvinceNumber)
        world.Provinces[capital].Owner = static_cast<int16_t>(n);
    return n;
}

// A 45 x 36 grid of 1620 provinces with sea channels every ninth row and column. Columns
// 0..14 are America, 15..29 Europe (north) and Africa (south), 30..44 Asia (north) and
// Oceania (south). Land provinces border their land neighbours all around; coastal ones open
// into an adjacent sea province. 208 nations start on distinct land provinces, with religions
// of their continent, sizes 1..10 and a mix of specifics.
constexpr int GridWidth = 45;
constexpr int GridHeight = 36;

inline int GridContinent(int x, int y) {
    if (x < 15) return America;
    if (x < 30) return y < 18 ? Europe : Africa;
    return y < 18 ? Asia : Oceania;
}

inline std::unique_ptr<World> LargeWorld(unsigned seed = 1) {
    auto world = SeaWorld(GridWidth * GridHeight);
    TGeneratorSettings& s = world->Settings;
    std::mt19937 gen(seed);
    const auto at = [](int x, int y) { return y * GridWidth + x + 1; };
    const auto isSea = [](int x, int y) { return x % 9 == 8 || y % 9 == 8; };
    const int religionsBy[6][3] = {{0, 0, 0},  {1, 1, 1}, {2, 3, 5},
                                   {6, 8, 10}, {6, 1, 6}, {1, 1, 8}};
    for (int y = 0; y < GridHeight; ++y)
        for (int x = 0; x < GridWidth; ++x) {
            if (isSea(x, y)) continue;
            const int continent = GridContinent(x, y);
            TProvince& prov = Land(*world, at(x, y), continent, religionsBy[continent][gen() % 3]);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if ((!dx && !dy) || nx < 0 || ny < 0 || nx >= GridWidth || ny >= GridHeight)
                        continue;
                    if (isSea(nx, ny)) {
                        if (dx == 0 || dy == 0) {
                            prov.IsCoastal = true;
                            prov.SeaZone = static_cast<int16_t>(at(nx, ny));
                        }
                    } else {
                        AddNeighbour(*world, at(x, y), at(nx, ny));
                    }
                }
        }
    for (int p = 1; p <= s.ProvinceCount; ++p)
        if (world->Provinces[p].IsLand()) ++world->LandProvinceCount;

    // 208 nations on distinct land provinces.
    std::vector<int> land;
    for (int p = 1; p <= s.ProvinceCount; ++p)
        if (world->Provinces[p].IsLand()) land.push_back(p);
    std::shuffle(land.begin(), land.end(), gen);
    for (int i = 0; i < MaxNations; ++i) {
        const int capital = land[i];
        uint32_t specifics = 0;
        if (i % 5 == 0) specifics |= SpecPort;
        if (i % 7 == 3) specifics |= SpecUnknown;
        if (i % 11 == 5) specifics |= SpecFixedStartLoc;
        if (i % 23 == 9) specifics |= SpecStartSiberia;
        if (i % 19 == 4) specifics |= SpecStartAmerica;
        AddNation(*world, capital, world->Provinces[capital].Religion,
                  1 + static_cast<int>(gen() % 10), specifics);
    }
    s.NationCount = 150;
    s.MajorCount = 8;
    s.IsRandomMajor = true;
    s.RandomStartLoc = 6;
    s.EuropeRangeMin = 16;
    s.NearEastRangeMax = 700;
    s.NorthAfricaRangeMin = 900;
    s.NorthAfricaRangeMax = 1000;
    s.IslandsRangeMin = 1500;
    s.IslandsRangeMax = 1520;
    return world;
}

// A seeded random source that remembers the provinces the last-resort draw of placement can
// give: that draw is the only one over RandInt(ProvinceCount).
struct FallbackWatch : RandomSource {
    Random inner;
    int provinceCount;
    std::set<int> fallbackProvinces;
    FallbackWatch(uint64_t seed, int pc) : inner(seed), provinceCount(pc) {}
    int RandInt(int n) override {
        const int v = inner.RandInt(n);
        if (n == provinceCount) fallbackProvinces.insert(v + 1);
        return v;
    }
    void Randomize() override { inner.Randomize(); }
    bool MayBeFallback(int p) const { return fallbackProvinces.count(p) != 0; }
};

// Fewest neighbour steps from `from` to `to` over the land links of the neighbour table; -1
// when `to` cannot be reached.
inline int LandSteps(const World& world, int from, int to) {
    std::vector<int> dist(MaxProvinceSlots, -1);
    std::queue<int> queue;
    dist[from] = 0;
    queue.push(from);
    while (!queue.empty()) {
        const int p = queue.front();
        queue.pop();
        if (p == to) return dist[p];
        for (int slot = 1; slot <= NeighbourSlots && world.Neighbours[p][slot] != 0; ++slot) {
            const int m = world.Neighbours[p][slot];
            if (dist[m] < 0) {
                dist[m] = dist[p] + 1;
                queue.push(m);
            }
        }
    }
    return -1;
}

}  // namespace nationtest
