#include "engine/ScenarioDraws.h"

#include <algorithm>

#include "engine/CentresOfTrade.h"
#include "engine/ScenarioNations.h"

namespace tq3 {

namespace {
constexpr int kUnscaledGoods = 5;  // keeps its base value as configured
constexpr int kLowestGoodsValue = 3;
constexpr int kHighestGoodsValue = 25;
constexpr int kGoodsValueJitter = 5;  // random values move by -5..5
constexpr int kLeaderLifeYears = 50;
constexpr int kLeaderLifeJitter = 30;
constexpr int kPolicyDrawRange = 10;  // random policy values are 0..9

int16_t LeaderDeathYear(const World& world, RandomSource& random) {
    return static_cast<int16_t>(world.Settings.StartYear + kLeaderLifeYears +
                                random.RandInt(kLeaderLifeJitter));
}
}  // namespace

void DrawGoodsPrices(World& world, RandomSource& random) {
    const TGeneratorSettings& s = world.Settings;
    world.GoodsPrices[0] = 0;
    for (int g = 1; g <= GoodsCodes; ++g) {
        int value = s.GoodsValues[g - 1];
        if (g != kUnscaledGoods) {
            if (s.RandomizeGoodsValues)
                value += random.RandInt(2 * kGoodsValueJitter + 1) - kGoodsValueJitter;
            value = value * s.GoodsValueModifier / 3;
            value = std::clamp<int>(value, kLowestGoodsValue, kHighestGoodsValue);
        }
        world.GoodsPrices[g] = static_cast<int16_t>(value);
    }
}

void DrawScenarioValues(World& world, RandomSource& random) {
    const std::vector<int> nations = ScenarioNations(world);
    world.CentresOfTrade = PlaceCentresOfTrade(world, random, nations);

    // The country blocks draw their leaders in the order they are written: the conquistador
    // first, then the explorer.
    for (int n = 1; n <= MaxNations; ++n) {
        world.Nations[n].ConquistadorDeathYear = 0;
        world.Nations[n].ExplorerDeathYear = 0;
    }
    for (int n : nations) {
        if (n < 1 || n > MaxNations) continue;
        TNation& nation = world.Nations[n];
        if (!SendsExpeditions(world.Settings)) continue;
        nation.ConquistadorDeathYear = LeaderDeathYear(world, random);
        if (ExplorerHarbour(world, n) != 0)
            nation.ExplorerDeathYear = LeaderDeathYear(world, random);
    }
}

void DrawPolicies(World& world, RandomSource& random) {
    if (!world.Settings.RandomizeDP) return;
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        for (int8_t& v : world.Nations[n].DrawnPolicies)
            v = static_cast<int8_t>(random.RandInt(kPolicyDrawRange));
}

}  // namespace tq3
