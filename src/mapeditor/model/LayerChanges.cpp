#include "mapeditor/model/LayerChanges.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace tq3 {

namespace {
// Whether one layer of a province differs.
using ProvinceDiffers = bool (*)(const TProvince&, const TProvince&);

struct ProvinceLayer {
    const char* name;
    ProvinceDiffers differs;
};

// The layers the draws write, in the run's order.
constexpr std::array<ProvinceLayer, 11> ProvinceLayers = {{
    {"climate", [](const TProvince& a, const TProvince& b) { return a.Climate != b.Climate; }},
    {"ice", [](const TProvince& a, const TProvince& b) { return a.HasIce != b.HasIce; }},
    {"storms", [](const TProvince& a, const TProvince& b) { return a.HasStorm != b.HasStorm; }},
    {"terrain", [](const TProvince& a, const TProvince& b) { return a.Terrain != b.Terrain; }},
    {"economy and natives",
     [](const TProvince& a, const TProvince& b) {
         const auto values = [](const TProvince& p) {
             return std::tie(p.Value19, p.ColonDifficulty, p.NativePopulation, p.NativeCombat,
                             p.NativeCombatFactor, p.TradeNegotiation, p.NativeTolerance);
         };
         return values(a) != values(b);
     }},
    {"goods", [](const TProvince& a,
                 const TProvince& b) { return a.Goods != b.Goods || a.MineValue != b.MineValue; }},
    {"religion", [](const TProvince& a, const TProvince& b) { return a.Religion != b.Religion; }},
    {"culture", [](const TProvince& a, const TProvince& b) { return a.Culture != b.Culture; }},
    {"owner", [](const TProvince& a, const TProvince& b) { return a.Owner != b.Owner; }},
    {"manpower", [](const TProvince& a, const TProvince& b) { return a.Manpower != b.Manpower; }},
    {"income", [](const TProvince& a, const TProvince& b) { return a.Income != b.Income; }},
}};

bool NationDiffers(const World& before, const World& after, int n) {
    const TNation& a = before.Nations[n];
    const TNation& b = after.Nations[n];
    const auto values = [](const TNation& x) {
        return std::tie(x.Religion, x.Size, x.Treasury, x.TechLand, x.TechNaval, x.TechTrade,
                        x.TechInfra, x.Stability, x.Infantry, x.Cavalry, x.Artillery, x.Warships,
                        x.Galleys, x.Transports, x.Cultures, x.Specifics, x.OwnedProvinces,
                        x.ConquistadorDeathYear, x.ExplorerDeathYear);
    };
    return before.IsMajor(n) != after.IsMajor(n) || values(a) != values(b);
}
}  // namespace

WorldChanges ChangesBetween(const World& before, const World& after, std::string_view firstLayer) {
    WorldChanges changes;
    const int provinces = std::max(before.ProvinceCount(), after.ProvinceCount());
    for (const ProvinceLayer& layer : ProvinceLayers) {
        int differing = 0;
        for (int p = 1; p <= provinces; ++p)
            differing += layer.differs(before.Provinces[p], after.Provinces[p]);
        if (differing > 0) changes.layers.push_back({layer.name, differing});
    }
    // What the step draws comes first; a status line cut short loses the rest.
    const auto first = std::find_if(ProvinceLayers.begin(), ProvinceLayers.end(),
                                    [&](const ProvinceLayer& l) { return l.name == firstLayer; });
    std::stable_partition(changes.layers.begin(), changes.layers.end(), [&](const LayerChange& c) {
        return std::find_if(first, ProvinceLayers.end(), [&](const ProvinceLayer& l) {
                   return l.name == std::string_view(c.layer);
               }) != ProvinceLayers.end();
    });
    const int nations = std::max(before.NationCountLoaded(), after.NationCountLoaded());
    for (int n = 1; n <= nations; ++n) changes.nations += NationDiffers(before, after, n);
    return changes;
}

std::string ChangesText(const WorldChanges& changes) {
    std::string text;
    for (const LayerChange& c : changes.layers) {
        const std::string count = std::to_string(c.provinces);
        if (text.empty())
            text = std::string(c.layer) + " changed in " + count +
                   (c.provinces == 1 ? " province" : " provinces");
        else
            text += ", " + std::string(c.layer) + " in " + count;
    }
    if (text.empty()) text = "no province changed";
    if (changes.nations > 0)
        text += "; " + std::to_string(changes.nations) +
                (changes.nations == 1 ? " nation changed" : " nations changed");
    return text;
}

}  // namespace tq3
