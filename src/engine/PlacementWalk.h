#pragma once

#include <array>
#include <cstdint>

#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// The placement's random walk over the map: Trunc(2 ^ (RandomStartLoc + 1)) steps from a
// start, each drawing one of the current province's neighbours and moving there only when it
// is land, at most ProvinceCount - 10 and not province 398.
//
// What the walk needs of the map is gathered once per placement: for each province a row of
// how many neighbours it lists (up to the first 0) and where each of those steps leads (the
// neighbour when the walk may enter it, else the province itself), and the number of steps.
// Taking a step is then one draw and reads from one row, without a branch the processor could
// mispredict. The rows hold no byte-sized values, which could alias the random source's state
// and so keep it out of registers.
struct WalkMap {
    using Row = std::array<int16_t, NeighbourSlots + 1>;  // the count, then the steps
    std::array<Row, MaxProvinceSlots> rows;
    int steps = 0;

    explicit WalkMap(const World& world);
};

// Where the walk from `start` ends. A start outside the map has no neighbours: the walk stays
// where it is.
template <class Source>
int Walk(const World& world, const WalkMap& map, Source& random, int start) {
    if (!world.IsValidProvince(start)) return start;
    int c = start;
    for (int step = 0; step < map.steps; ++step) {
        const WalkMap::Row& row = map.rows[c];
        if (row[0] != 0) c = row[1 + random.RandInt(row[0])];
    }
    return c;
}

// Several walks from one start that follow each other in the random stream, as the tries of a
// placement do, worked out side by side: each step of a walk waits for the row its last step
// read, so one walk alone leaves the processor idle most of the time.
class WalksAhead {
  public:
    static constexpr int kWalks = 4;
    // The most steps a walk may have for walking ahead (RandomStartLoc 5).
    static constexpr int kMostSteps = 64;

    // Walks up to `walks` (1..kWalks) walks from `start`, the first drawing from `random` as
    // it is now. Gives how many of them end where walking one after the other would have
    // ended them; 0 when the walks cannot be worked out ahead (then walk one by one).
    int Walk(const World& world, const WalkMap& map, const Random& random, int start, int walks);
    // Where walk w ended, and the random source as it is after it.
    int End(int w) const { return ends_[w]; }
    const Random& After(int w) const { return after_[w]; }

  private:
    std::array<int, kWalks> ends_{};
    std::array<Random, kWalks> after_{Random(0), Random(0), Random(0), Random(0)};
};

}  // namespace tq3
