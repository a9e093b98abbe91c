#include "engine/ProvinceValues.h"

#include <algorithm>
#include <cmath>

namespace tq3 {

namespace {
// Element of TerainManpowerModif for provinces that a nation holds.
constexpr int HeldManpowerElement = 5;

// Runs set(province) for every land province in ascending order.
template <class Set>
void ForEachLand(World& world, Set&& set) {
    const int count = world.ProvinceCount();
    for (int p = 1; p <= count; ++p)
        if (world.Provinces[p].IsLand()) set(world.Provinces[p]);
}

// A value of 1 to 9 whose range grows with the strength (-5 to 5).
template <class Source>
int OneToNine(Source& random, int strength) {
    return std::clamp<int>(random.RandInt(strength + 9) + 1, 1, 9);
}

// Trunc(a * (strength + 5) / 5) in floating point, kept within the 8-bit field's 0..127.
int8_t ScaledByStrength(int a, int strength, int add) {
    const double scaled = std::trunc(static_cast<double>(a) * (strength + 5) / 5.0);
    return static_cast<int8_t>(std::clamp<int>(static_cast<int>(scaled) + add, 0, 127));
}

template <class Source>
void DrawProvinceValues(World& world, Source& random) {
    const TGeneratorSettings& s = world.Settings;

    // Colonisation difficulty, trade negotiation and native tolerance: 1 to 9.
    if (s.IsRandomColonDiff)
        ForEachLand(world, [&](TProvince& prov) {
            prov.ColonDifficulty = static_cast<int8_t>(OneToNine(random, s.ColonDifficultyModif));
        });
    if (s.IsRandomTradeNegotiation)
        ForEachLand(world, [&](TProvince& prov) {
            prov.TradeNegotiation = static_cast<int8_t>(OneToNine(random, s.TradeNegotiationModif));
        });
    if (s.IsRandomNativTolerance)
        ForEachLand(world, [&](TProvince& prov) {
            prov.NativeTolerance = static_cast<int8_t>(OneToNine(random, s.NativToleranceModif));
        });

    // Native population 5 to 127; natives without combat values get 1.0 and 1.0.
    if (s.IsRandomNativPopulation)
        ForEachLand(world, [&](TProvince& prov) {
            prov.NativePopulation = static_cast<int16_t>(
                std::clamp<int>(random.RandInt(20) * (s.NativPopulationModif + 5), 5, 127));
            if (prov.NativeCombatFactor == 0) prov.NativeCombatFactor = 10;
            if (prov.NativeCombat == 0) prov.NativeCombat = 10;
        });

    // Native combat 0.5 to 2.5, then its factor 0.5 to 1.4 (both in tenths).
    if (s.IsRandomNativCombat)
        ForEachLand(world, [&](TProvince& prov) {
            prov.NativeCombat = static_cast<uint8_t>(
                std::clamp<int>(random.RandInt(2 * s.NativCombatModif + 20), 5, 25));
            prov.NativeCombatFactor = static_cast<uint8_t>(random.RandInt(10) + 5);
        });
}

template <class Source>
void DrawManpowerIncome(World& world, Source& random) {
    const TGeneratorSettings& s = world.Settings;

    // Manpower: a draw below twice the terrain's (or a held province's) base, scaled by
    // ManpowerModif, plus 2.
    if (s.IsRandomManpower)
        ForEachLand(world, [&](TProvince& prov) {
            const int base =
                s.TerainManpowerModif[prov.Owner != 0 ? HeldManpowerElement : Index(prov.Terrain)];
            prov.Manpower = ScaledByStrength(random.RandInt(2 * base), s.ManpowerModif, 2);
        });

    // Income: the manpower plus a draw below it, scaled by IncomeModif.
    if (s.IsRandomIncome)
        ForEachLand(world, [&](TProvince& prov) {
            prov.Income =
                ScaledByStrength(random.RandInt(prov.Manpower) + prov.Manpower, s.IncomeModif, 0);
        });
}

}  // namespace

void GenerateProvinceValues(World& world, RandomSource& random) {
    WithDirectDraws(random, [&](auto& source) { DrawProvinceValues(world, source); });
}

void GenerateManpowerIncome(World& world, RandomSource& random) {
    WithDirectDraws(random, [&](auto& source) { DrawManpowerIncome(world, source); });
}

}  // namespace tq3
