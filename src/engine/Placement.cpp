#include "engine/Placement.h"

#include <algorithm>
#include <array>
#include <string>

namespace tq3 {

namespace {
constexpr int WalkBarrier = 398;                                         // the walk never enters it
constexpr std::array<int, 5> NeverDrawn = {186, 230, 1466, 1568, 1569};  // never a random start
constexpr int MaxTries = 100;
constexpr int TriesBeforeAnyReligion = 50;

bool NationHas(const World& world, int nation, uint32_t specific) {
    return nation >= 1 && nation <= MaxNations && world.Nations[nation].Has(specific);
}

bool IsChristian(int religion) {
    return religion == 2 || religion == 3 || religion == 4;
}

// What the walk needs of the map, gathered once per placement: how many neighbours each
// province lists (up to the first 0), where each of those steps leads (the neighbour when the
// walk may enter it, else the province itself), and the number of steps. Taking a step is
// then one draw and one table read, without a branch the processor could mispredict.
struct WalkMap {
    std::array<uint8_t, MaxProvinceSlots> neighbours{};
    std::array<std::array<int16_t, NeighbourSlots>, MaxProvinceSlots> next{};
    int steps = 0;

    explicit WalkMap(const World& world) {
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
                next[p][count] = static_cast<int16_t>(enterable(m) ? m : p);
                ++count;
            }
            neighbours[p] = static_cast<uint8_t>(count);
        }
    }
};

int Walk(const World& world, const WalkMap& map, RandomSource& random, int start) {
    // A start outside the map has no neighbours: the walk stays where it is.
    if (!world.IsValidProvince(start)) return start;
    int c = start;
    for (int step = 0; step < map.steps; ++step) {
        const int count = map.neighbours[c];
        if (count != 0) c = map.next[c][random.RandInt(count)];
    }
    return c;
}

// What every try of a placement reads besides the world.
struct PlacementMap {
    WalkMap walk;
    bool freeDrawFindsLand;
};

// Draws a candidate start for nation n by the first rule that applies; 0 when the try fails
// already at the draw (an island or excluded province, or a number outside the map).
int DrawCandidate(const World& world, RandomSource& random, int n, const PlacementMap& map) {
    const TGeneratorSettings& s = world.Settings;
    const TNation& nation = world.Nations[n];
    const int pc = world.ProvinceCount();
    int c = 0;
    if (s.RandomStartLoc < 6) {
        // A walk from the nation's current start, anew at every try.
        c = Walk(world, map.walk, random, nation.Capital());
    } else if (s.ForceMajortoEurope && world.IsMajor(n)) {
        // Uniform over EuropeRangeMin..NearEastRangeMax and the North African range together.
        const int europe = s.NearEastRangeMax - s.EuropeRangeMin + 1;
        const int africa = s.NorthAfricaRangeMax - s.NorthAfricaRangeMin + 1;
        const int d = random.RandInt(europe + africa) + s.EuropeRangeMin;
        c = d <= s.NearEastRangeMax ? d : d - s.NearEastRangeMax - 1 + s.NorthAfricaRangeMin;
    } else if (s.IsNationSpecifics && nation.Has(SpecStartSiberia)) {
        // One of the three Siberian ranges, then a province inside it.
        switch (random.RandInt(3)) {
            case 0:
                c = 262 + random.RandInt(26);
                break;
            case 1:
                c = 446 + random.RandInt(20);
                break;
            default:
                c = 578 + random.RandInt(65);
                break;
        }
    } else {
        // A free draw over the map until it hits land; islands and a few provinces fail.
        if (!map.freeDrawFindsLand) return 0;
        do {
            c = random.RandInt(pc - 1) + 1;
        } while (!world.IsLand(c));
        if (c >= s.IslandsRangeMin && c <= s.IslandsRangeMax) return 0;
        if (std::find(NeverDrawn.begin(), NeverDrawn.end(), c) != NeverDrawn.end()) return 0;
    }
    return world.IsValidProvince(c) ? c : 0;
}

// The placement rules that turn a candidate down, in their order.
bool IsRejected(const World& world, int n, int c) {
    const TGeneratorSettings& s = world.Settings;
    const TNation& nation = world.Nations[n];
    const TProvince& prov = world.Provinces[c];
    if (prov.Owner != 0) return true;
    if (s.ForceNavaltoCoast && nation.Has(SpecPort) && !prov.IsCoastal) return true;
    if (s.ForceMajortoCoast && world.IsMajor(n) && !prov.IsCoastal) return true;
    if (s.DontMoveEuroNations && IsEuropean(world, c)) return true;
    const std::string& continent = world.ContinentName(c);
    if (s.IsNationSpecifics && nation.Has(SpecStartAmerica) && continent != "America") return true;
    if ((nation.Religion == 6 || nation.Religion == 7) && continent != "Asia" &&
        continent != "Africa")
        return true;
    if (s.RandomizeUnknownsOnly && (continent == "Europe" || continent == "Asia")) return true;
    return false;
}

// A candidate that passed the rules is taken for a Siberian nation, from try 50 on, or when
// its religion suits the nation (any Christian province suits a Christian nation).
bool IsAccepted(const World& world, int n, int c, int tries) {
    const TNation& nation = world.Nations[n];
    const int religion = world.Provinces[c].Religion;
    if (nation.Has(SpecStartSiberia) || tries >= TriesBeforeAnyReligion) return true;
    if (religion == nation.Religion) return true;
    return (IsChristian(nation.Religion) || nation.Religion == 11) && IsChristian(religion);
}

// Up to 100 tries for nation n; 0 when none found a start.
int FindStart(const World& world, RandomSource& random, int n, const PlacementMap& map) {
    for (int tries = 1; tries <= MaxTries; ++tries) {
        const int c = DrawCandidate(world, random, n, map);
        if (c == 0 || IsRejected(world, n, c)) continue;
        if (IsAccepted(world, n, c, tries)) return c;
    }
    return 0;
}
}  // namespace

int WanderFrom(const World& world, RandomSource& random, int start) {
    return Walk(world, WalkMap(world), random, start);
}

bool KeepsOwner(const World& world, int p) {
    const TGeneratorSettings& s = world.Settings;
    const int owner = world.Provinces[p].Owner;
    if (NationHas(world, owner, SpecFixedStartLoc)) return true;
    if (s.DontMoveEuroNations && IsEuropean(world, p)) return true;
    return s.RandomizeUnknownsOnly && !NationHas(world, owner, SpecUnknown);
}

bool StaysAtStart(const World& world, int n) {
    const TGeneratorSettings& s = world.Settings;
    const TNation& nation = world.Nations[n];
    if (nation.Has(SpecFixedStartLoc)) return true;
    if (s.DontMoveEuroNations && world.IsValidProvince(nation.Capital()) &&
        IsEuropean(world, nation.Capital()))
        return true;
    return s.RandomizeUnknownsOnly && !nation.Has(SpecUnknown);
}

int FreeDrawHighest(const World& world) {
    return std::max(world.ProvinceCount() - 1, 1);
}

bool FreeDrawFindsLand(const World& world) {
    for (int p = 1; p <= FreeDrawHighest(world); ++p)
        if (world.IsLand(p)) return true;
    return false;
}

void PlaceNations(World& world, RandomSource& random) {
    const int pc = world.ProvinceCount();
    // Free the movable provinces and count the free ones.
    int free = 0;
    for (int p = 1; p <= pc; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!KeepsOwner(world, p)) prov.Owner = 0;
        if (prov.Owner == 0) ++free;
    }
    const PlacementMap map{WalkMap(world), FreeDrawFindsLand(world)};

    // Each movable nation in turn: its tries, then any free province when they all failed.
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        if (StaysAtStart(world, n)) continue;
        int c = FindStart(world, random, n, map);
        if (c == 0) {
            // With no free province left the nation keeps its start (a run is refused
            // before it gets here).
            if (free == 0) continue;
            do {
                c = random.RandInt(pc) + 1;
            } while (world.Provinces[c].Owner != 0);
        }
        world.Nations[n].OwnedProvinces[1] = static_cast<int16_t>(c);
        world.Provinces[c].Owner = static_cast<int16_t>(n);
        --free;
    }
}

}  // namespace tq3
