#include "engine/Placement.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

#include "engine/PlacementWalk.h"

namespace tq3 {

namespace {
// Where a nation with the StartSiberia specific may start: three runs of province numbers.
struct ProvinceRange {
    int first;
    int count;
};
constexpr std::array<ProvinceRange, 3> SiberianRanges = {{{262, 26}, {446, 20}, {578, 65}}};
constexpr std::array<int, 5> NeverDrawn = {186, 230, 1466, 1568, 1569};  // never a random start
constexpr int MaxTries = 100;
constexpr int TriesBeforeAnyReligion = 50;

bool NationHas(const World& world, int nation, uint32_t specific) {
    return nation >= 1 && nation <= MaxNations && world.Nations[nation].Has(specific);
}

bool IsChristian(int religion) {
    return religion == Religion::Catholic || religion == Religion::Protestant ||
           religion == Religion::Reformed;
}

// What every try of a placement reads besides the world.
struct PlacementMap {
    // The continent names the rules test, as flags by continent code.
    enum ContinentFlag : uint8_t { America = 1, Asia = 2, Africa = 4, Europe = 8 };
    static constexpr int ContinentCodes =
        std::tuple_size_v<decltype(TGeneratorSettings::ContinentNames)>;

    WalkMap walk;
    bool freeDrawFindsLand;
    std::array<uint8_t, ContinentCodes + 1> continents{};

    explicit PlacementMap(const World& world)
        : walk(world), freeDrawFindsLand(FreeDrawFindsLand(world)) {
        for (int code = 1; code <= ContinentCodes; ++code) {
            const std::string& name = World::NameOf(world.Settings.ContinentNames, code);
            continents[code] = (name == "America" ? America : 0) | (name == "Asia" ? Asia : 0) |
                               (name == "Africa" ? Africa : 0) | (name == "Europe" ? Europe : 0);
        }
    }
    // The flags of the continent of province c.
    uint8_t ContinentOf(const World& world, int c) const {
        const int code = world.Provinces[c].Continent;
        return code >= 1 && code <= ContinentCodes ? continents[code] : 0;
    }
};

// Draws a candidate start for nation n by the first rule that applies; 0 when the try fails
// already at the draw (an island or excluded province, or a number outside the map).
template <class Source>
int DrawCandidate(const World& world, Source& random, int n, const PlacementMap& map) {
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
        const int which = random.RandInt(static_cast<int>(SiberianRanges.size()));
        const ProvinceRange& range = SiberianRanges[static_cast<std::size_t>(which)];
        c = range.first + random.RandInt(range.count);
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
bool IsRejected(const World& world, int n, int c, const PlacementMap& map) {
    const TGeneratorSettings& s = world.Settings;
    const TNation& nation = world.Nations[n];
    const TProvince& prov = world.Provinces[c];
    if (prov.Owner != 0) return true;
    if (s.ForceNavaltoCoast && nation.Has(SpecPort) && !prov.IsCoastal) return true;
    if (s.ForceMajortoCoast && world.IsMajor(n) && !prov.IsCoastal) return true;
    if (s.DontMoveEuroNations && IsEuropean(world, c)) return true;
    using Flag = PlacementMap::ContinentFlag;
    const uint8_t continent = map.ContinentOf(world, c);
    if (s.IsNationSpecifics && nation.Has(SpecStartAmerica) && !(continent & Flag::America))
        return true;
    if ((nation.Religion == Religion::Sunni || nation.Religion == Religion::Shiite) &&
        !(continent & (Flag::Asia | Flag::Africa)))
        return true;
    if (s.RandomizeUnknownsOnly && (continent & (Flag::Europe | Flag::Asia))) return true;
    return false;
}

// A candidate that passed the rules is taken for a Siberian nation, from try 50 on, or when
// its religion suits the nation (any Christian province suits a Christian nation).
bool IsAccepted(const World& world, int n, int c, int tries) {
    const TNation& nation = world.Nations[n];
    const int religion = world.Provinces[c].Religion;
    if (nation.Has(SpecStartSiberia) || tries >= TriesBeforeAnyReligion) return true;
    if (religion == nation.Religion) return true;
    return (IsChristian(nation.Religion) || nation.Religion == Religion::Counterreformed) &&
           IsChristian(religion);
}

// The candidates of nation n's tries, one after the other. With the program's own random
// source the walks are worked out several tries ahead, with the same draws.
template <class Source>
class Candidates {
  public:
    Candidates(const World& world, Source& random, int n, const PlacementMap& map)
        : world_(world), random_(random), n_(n), map_(map) {}

    int Next(int triesLeft) {
        if constexpr (std::is_same_v<Source, Random>) {
            if (world_.Settings.RandomStartLoc < 6 && next_ == ready_) {
                ready_ = ahead_.Walk(world_, map_.walk, random_, world_.Nations[n_].Capital(),
                                     std::min(WalksAhead::kWalks, triesLeft));
                next_ = 0;
            }
            if (next_ < ready_) {
                random_ = ahead_.After(next_);
                const int c = ahead_.End(next_++);
                return world_.IsValidProvince(c) ? c : 0;
            }
        }
        return DrawCandidate(world_, random_, n_, map_);
    }

  private:
    const World& world_;
    Source& random_;
    int n_;
    const PlacementMap& map_;
    WalksAhead ahead_;
    int ready_ = 0, next_ = 0;  // walks worked out ahead, and those taken
};

// Up to 100 tries for nation n; 0 when none found a start.
template <class Source>
int FindStart(const World& world, Source& random, int n, const PlacementMap& map) {
    Candidates<Source> candidates(world, random, n, map);
    for (int tries = 1; tries <= MaxTries; ++tries) {
        const int c = candidates.Next(MaxTries - tries + 1);
        if (c == 0 || IsRejected(world, n, c, map)) continue;
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

namespace {
template <class Source>
void PlaceEachNation(World& world, Source& random) {
    const int pc = world.ProvinceCount();
    // Free the movable provinces and count the free land ones.
    int free = 0;
    for (int p = 1; p <= pc; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!KeepsOwner(world, p)) prov.Owner = 0;
        if (prov.Owner == 0 && prov.IsLand()) ++free;
    }
    const PlacementMap map(world);

    // Each movable nation in turn: its tries, then any free land province when they all
    // failed (a nation on a sea province would never grow).
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        if (StaysAtStart(world, n)) continue;
        int c = FindStart(world, random, n, map);
        if (c == 0) {
            // With no free land province left the nation keeps its start (a run is refused
            // before it gets here).
            if (free == 0) continue;
            do {
                c = random.RandInt(pc) + 1;
            } while (world.Provinces[c].Owner != 0 || !world.Provinces[c].IsLand());
        }
        const bool tookFreeLand = world.Provinces[c].Owner == 0 && world.Provinces[c].IsLand();
        world.Nations[n].OwnedProvinces[1] = static_cast<int16_t>(c);
        world.Provinces[c].Owner = static_cast<int16_t>(n);
        if (tookFreeLand) --free;
    }
}

}  // namespace

void PlaceNations(World& world, RandomSource& random) {
    // Most of a run's draws are the placement walks' steps: they draw without a virtual call.
    WithDirectDraws(random, [&](auto& source) { PlaceEachNation(world, source); });
}

}  // namespace tq3
