#include "engine/PlacementWalk.h"

#include <algorithm>

namespace tq3 {

namespace {
constexpr int WalkBarrier = 398;  // the walk never enters it
}  // namespace

WalkMap::WalkMap(const World& world) {
    // Steps: 4, 8, 16, 32, 64 for RandomStartLoc 1..5 (bounded for values off the slider).
    const int exponent = std::min(world.Settings.RandomStartLoc + 1, 16);
    steps = exponent < 0 ? 0 : 1 << exponent;
    const int pc = world.ProvinceCount();
    // The walk enters land below the last ten provinces, and never the barrier.
    const auto enterable = [&](int m) {
        return m >= 1 && m <= pc - 10 && world.Provinces[m].IsLand() && m != WalkBarrier;
    };
    for (int p = 1; p <= pc; ++p) {
        const NeighbourRow& row = world.Neighbours[p];
        int count = 0;
        while (count < NeighbourSlots && row[count + 1] != 0) {
            const int m = row[count + 1];
            rows[p][count + 1] = static_cast<int16_t>(enterable(m) ? m : p);
            ++count;
        }
        rows[p][0] = static_cast<int16_t>(count);
    }
}

int WalksAhead::Walk(const World& world, const WalkMap& map, const Random& random, int start,
                     int walks) {
    if (!world.IsValidProvince(start) || map.steps > kMostSteps || walks < 1 || walks > kWalks)
        return 0;
    // Each walk's numbers, one a step: walk w starts where w - 1 ends after all its steps.
    std::array<std::array<uint64_t, kMostSteps>, kWalks> numbers;
    std::array<Random, kWalks + 1> from{random, random, random, random, random};
    for (int w = 0; w < kWalks; ++w) {
        from[w + 1] = from[w];
        for (int i = 0; i < map.steps; ++i) numbers[w][i] = from[w + 1].NextNumber();
    }

    // Every walk steps side by side, those not asked for as well: the steps cost less than
    // telling them apart. A walk that reaches a province without neighbours takes fewer
    // numbers than it has, and one that meets a number RandInt turns down takes more: from
    // such a walk on, the walks are left to be walked one by one.
    std::array<int, kWalks> c;
    c.fill(start);
    std::array<bool, kWalks> irregular{};
    for (int i = 0; i < map.steps; ++i) {
        for (int w = 0; w < kWalks; ++w) {
            const WalkMap::Row& row = map.rows[c[w]];
            const int count = row[0];
            const int drawn = Random::DrawOf(numbers[w][i], std::max(count, 1));
            irregular[w] = irregular[w] || count == 0 || drawn < 0;
            c[w] = count == 0 ? c[w] : row[1 + std::max(drawn, 0)];
        }
    }
    int valid = 0;
    while (valid < walks && !irregular[valid]) {
        ends_[valid] = c[valid];
        after_[valid] = from[valid + 1];
        ++valid;
    }
    return valid;
}

}  // namespace tq3
