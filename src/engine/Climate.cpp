#include "engine/Climate.h"

#include <algorithm>

namespace tq3 {

namespace {
// Sea provinces the climate step never changes.
constexpr int KeptSeaProvinces[] = {171, 173};
// Out of how many a storm is drawn.
constexpr int StormDraw = 550;

// Element of a list by slider step; steps beyond the slider count as its ends.
int SliderElement(int step) {
    return std::clamp<int>(step, -4, 4) + 4;
}

bool IsClimateCode(int code) {
    return code >= 0 && code < ClimateCodes;
}

// Changes the climate into its target when the draw is below the chance of the current climate.
// A climate without an element in the lists, or a target that is no climate, keeps the climate.
template <class Chances, class Targets>
void ShiftClimate(TProvince& prov, int draw, const Chances& chance, const Targets& target) {
    const int c = prov.Climate;
    if (!IsClimateCode(c) || draw >= chance[c] || !IsClimateCode(target[c])) return;
    prov.Climate = static_cast<int8_t>(target[c]);
}

bool IsKeptSea(int p) {
    for (int kept : KeptSeaProvinces)
        if (p == kept) return true;
    return false;
}

template <class Source>
void DrawClimate(World& world, Source& random) {
    const TGeneratorSettings& s = world.Settings;
    if (!s.IsRandomClimate) return;

    // The lists in use follow the Temperature and Humidity sliders.
    const int temper = SliderElement(s.Temperature);
    const int humid = SliderElement(s.Humidity);
    const auto& temperChance = s.TemperClimateModif[temper];
    const auto& temperTarget = s.TemperClimateNew[temper];
    const auto& humidChance = s.HumidClimateModif[humid];
    const auto& humidTarget = s.HumidClimateNew[humid];

    // Land: a temperature draw, then a humidity draw on the climate it left, for every land
    // province whether or not either changes anything.
    const int count = world.ProvinceCount();
    for (int p = 1; p <= count; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        ShiftClimate(prov, random.RandInt(100), temperChance, temperTarget);
        ShiftClimate(prov, random.RandInt(100), humidChance, humidTarget);
    }

    if (!s.ClimateAffectsSeas) return;
    // Sea: temperature only, no hot tropical sea, storms by HumidStormModif, ice from the
    // TemperIceModif climate on (and always in tundra), and no storm where there is ice.
    const int stormChance = s.HumidStormModif[humid];
    const int iceFrom = s.TemperIceModif[temper];
    for (int p = 1; p <= count; ++p) {
        TProvince& prov = world.Provinces[p];
        if (!prov.IsSea() || IsKeptSea(p)) continue;
        ShiftClimate(prov, random.RandInt(100), temperChance, temperTarget);
        if (prov.Climate == 6) prov.Climate = 1;
        prov.HasStorm = random.RandInt(StormDraw) < stormChance;
        if (iceFrom <= prov.Climate || prov.Climate == 0) {
            prov.HasIce = true;
            prov.HasStorm = false;
        } else {
            prov.HasIce = false;
        }
    }
}

}  // namespace

void GenerateClimate(World& world, RandomSource& random) {
    WithDirectDraws(random, [&](auto& source) { DrawClimate(world, source); });
}

}  // namespace tq3
