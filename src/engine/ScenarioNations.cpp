#include "engine/ScenarioNations.h"

namespace tq3 {

std::vector<int> ScenarioNations(const World& world) {
    const int loaded = world.NationCountLoaded();
    std::vector<int> nations;
    // Majors first, whatever NationCount says.
    for (int n = 1; n <= loaded; ++n)
        if (world.IsMajor(n)) nations.push_back(n);
    // Then the other nations while the scenario has room (NationCount).
    for (int n = 1; n <= loaded; ++n) {
        if (world.IsMajor(n)) continue;
        if (static_cast<int>(nations.size()) >= world.Settings.NationCount) break;
        nations.push_back(n);
    }
    return nations;
}

int ReceivedSize(const World& world, int nation) {
    return TargetSize(world, nation) - world.Nations[nation].SizeShortfall;
}

int StartingDucats(const World& world, int nation) {
    const TGeneratorSettings& s = world.Settings;
    if (s.IsNationSpecifGold) return world.Nations[nation].Treasury;
    if (world.IsMajor(nation)) return s.StartingFunds * (100 + s.MajorAdvantage) / 100;
    return s.StartingFunds;
}

std::vector<int> OwnedProvinceList(const TNation& nation) {
    std::vector<int> provinces;
    for (int k = 1; k <= NationProvinceSlots && nation.OwnedProvinces[k] != 0; ++k)
        provinces.push_back(nation.OwnedProvinces[k]);
    return provinces;
}

}  // namespace tq3
