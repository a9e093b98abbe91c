#include "session/WorldSummary.h"

#include <map>
#include <vector>

#include "engine/GeneratorMode.h"
#include "engine/ScenarioNations.h"
#include "session/BalanceSummary.h"

namespace tq3 {

namespace {
const char* const kTerrainNames[TerrainCodes] = {"plains", "forest", "mountain", "desert", "marsh"};

// The name of code k in a name list, or "code k" when the list has no name for it.
template <std::size_t N>
std::string NameOrCode(const std::array<std::string, N>& names, int code) {
    const std::string& name = World::NameOf(names, code);
    return name.empty() ? "code " + std::to_string(code) : name;
}

// "name count, name count, ..." in code order, leaving out codes no province has.
std::string Counts(const std::map<int, int>& counts, const std::string& noneName,
                   const auto& nameOf) {
    std::string text;
    for (const auto& [code, count] : counts) {
        if (!text.empty()) text += ", ";
        text += (code == 0 ? noneName : nameOf(code)) + " " + std::to_string(count);
    }
    return text.empty() ? "-" : text;
}

std::string Tags(const World& world, const std::vector<int>& nations) {
    std::string text;
    for (int n : nations) {
        if (n < 1 || n > MaxNations) continue;
        if (!text.empty()) text += ' ';
        text += world.Nations[n].Tag;
    }
    return text;
}
}  // namespace

std::string DescribeWorld(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    std::string out;

    // Land provinces by terrain, goods and religion.
    int land = 0;
    int byTerrain[TerrainCodes] = {};
    std::map<int, int> byGoods, byReligion;
    for (int p = 1; p <= world.ProvinceCount(); ++p) {
        const TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        ++land;
        ++byTerrain[Index(prov.Terrain)];
        ++byGoods[prov.Goods];
        ++byReligion[prov.Religion];
    }
    out += "Land provinces: " + std::to_string(land) + " (";
    for (int t = 0; t < TerrainCodes; ++t)
        out += std::string(t ? ", " : "") + kTerrainNames[t] + " " + std::to_string(byTerrain[t]);
    out += ")\n";
    out +=
        "Goods: " + Counts(byGoods, "nothing", [&](int g) { return NameOrCode(s.GoodsNames, g); }) +
        "\n";
    out += "Religions: " +
           Counts(byReligion, "none", [&](int r) { return NameOrCode(s.ReligNames, r); }) + "\n";

    // The scenario's nations and what they received; a map-only run writes no scenario.
    if (ModeOf(s.GeneratorMode) == GeneratorMode::MapOnly)
        return out + "No scenario written (map only)\n";
    const std::vector<int> nations = ScenarioNations(world);
    std::vector<int> majors;
    int held = 0;
    std::string shortOf;
    int shortCount = 0;
    for (int n : nations) {
        if (world.IsMajor(n)) majors.push_back(n);
        held += static_cast<int>(OwnedProvinceList(world.Nations[n]).size());
        const int shortfall = world.Nations[n].SizeShortfall;
        if (shortfall > 0) {
            ++shortCount;
            shortOf += (shortOf.empty() ? "" : ", ") + world.Nations[n].Tag + " " +
                       std::to_string(shortfall);
        }
    }
    out += "Nations in the scenario: " + std::to_string(nations.size()) + "\n";
    out += "Majors: " + std::to_string(majors.size()) +
           (majors.empty() ? "" : " (" + Tags(world, majors) + ")") + "\n";
    out += "Provinces held: " + std::to_string(held) + "\n";
    out += "Nations short of their size: " + std::to_string(shortCount) +
           (shortOf.empty() ? "" : " (" + shortOf + ")") + "\n";
    const std::vector<int> centres = world.CentresOfTrade.All();
    out += "Centres of trade: " + std::to_string(centres.size()) +
           (centres.empty() ? "" : " (" + Tags(world, centres) + ")") + "\n";
    return out + DescribeBalance(world, MeasureBalance(world));
}

}  // namespace tq3
