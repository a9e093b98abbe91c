#include "engine/CentresOfTrade.h"

#include <algorithm>
#include <bitset>

namespace tq3 {

namespace {
// The random pass leaves out the last five nations of the scenario's count.
constexpr int kUndrawnNations = 5;
// Redraws per drawable nation before the lowest free nation is taken instead, so that a
// nearly full range cannot keep the pass drawing for ever.
constexpr int kRedrawsPerNation = 100;
}  // namespace

std::vector<int> TradeCentres::All() const {
    std::vector<int> all = toMajors;
    all.insert(all.end(), toTraders.begin(), toTraders.end());
    all.insert(all.end(), drawn.begin(), drawn.end());
    return all;
}

TradeCentres PlaceCentresOfTrade(const World& world, RandomSource& random,
                                 const std::vector<int>& scenarioNations) {
    const TGeneratorSettings& s = world.Settings;
    TradeCentres result;
    std::bitset<MaxNations + 1> has;
    int placed = 0;
    auto give = [&](std::vector<int>& pass, int n) {
        has[static_cast<std::size_t>(n)] = true;
        pass.push_back(n);
        ++placed;
    };

    // Pass 1: majors (ForceCoTtoMajor, or ForceCoTtoTrade for nations with the CoT specific).
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        if (!world.IsMajor(n)) continue;
        const bool trader = s.ForceCoTtoTrade && world.Nations[n].Has(SpecCoT);
        if (s.ForceCoTtoMajor || trader) give(result.toMajors, n);
    }
    // Pass 2: the other scenario nations with the CoT specific (ForceCoTtoTrade).
    for (int n : scenarioNations) {
        if (world.IsMajor(n) || has[static_cast<std::size_t>(n)]) continue;
        if (s.ForceCoTtoTrade && world.Nations[n].Has(SpecCoT)) give(result.toTraders, n);
    }
    // Pass 3: random nations until CoTCount centres stand, only when NationCount > CoTCount + 5.
    if (s.NationCount > s.CoTCount + kUndrawnNations) {
        result.drawPassRan = true;
        const int range = std::min(s.NationCount - kUndrawnNations, world.NationCountLoaded());
        int free = 0;
        for (int n = 1; n <= range; ++n)
            if (!has[static_cast<std::size_t>(n)]) ++free;
        while (placed < s.CoTCount && free > 0) {
            int n = 1 + random.RandInt(range);
            for (int tries = 1; has[static_cast<std::size_t>(n)]; ++tries) {
                if (tries >= kRedrawsPerNation * range) {
                    n = 1;
                    while (has[static_cast<std::size_t>(n)]) ++n;
                    break;
                }
                n = 1 + random.RandInt(range);
            }
            give(result.drawn, n);
            --free;
        }
    }
    return result;
}

}  // namespace tq3
