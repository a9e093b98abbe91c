#include "engine/Expansion.h"

namespace tq3 {

namespace {
constexpr int MaxKnownExtra = 10;

// Appends `province` to the nation's KnownExtra unless the list is full or its last entry is
// already that province.
bool AddKnown(TNation& nation, int& known, int province) {
    if (known >= MaxKnownExtra || (known > 0 && nation.KnownExtra[known] == province)) return false;
    nation.KnownExtra[++known] = static_cast<int16_t>(province);
    return true;
}

void GrowNation(World& world, int n) {
    TNation& nation = world.Nations[n];
    const int pc = world.ProvinceCount();
    const int target = TargetSize(world, n);
    int count = 1;  // the capital
    int known = 0;
    const auto done = [&] { return count >= target || count >= MaxNationProvinces; };

    const int capital = nation.Capital();
    if (world.IsValidProvince(capital)) {
        // A coastal capital makes its sea zone known.
        const TProvince& cap = world.Provinces[capital];
        if (cap.IsCoastal && cap.SeaZone > 0) {
            known = 1;
            nation.KnownExtra[1] = cap.SeaZone;
            nation.HasSeaAccess = true;
        }
        // Breadth-first: the provinces taken so far are the sources, in the order taken.
        for (int i = 1; i <= count && !done(); ++i) {
            const NeighbourRow& row = world.Neighbours[nation.OwnedProvinces[i]];
            for (int j = 1; j <= NeighbourSlots && !done(); ++j) {
                const int m = row[j];
                if (m == 0) break;
                if (m < 1 || m > pc || !world.Provinces[m].IsLand()) continue;
                TProvince& prov = world.Provinces[m];
                const int owner = prov.Owner;
                if (owner != 0 && IsPlacedNation(world, owner)) {
                    // A province of another placed nation is known, not taken.
                    if (owner != n) AddKnown(nation, known, m);
                    continue;
                }
                nation.OwnedProvinces[++count] = static_cast<int16_t>(m);
                prov.Owner = static_cast<int16_t>(n);
                if (prov.IsCoastal && prov.SeaZone > 0 && AddKnown(nation, known, prov.SeaZone))
                    nation.HasSeaAccess = true;
            }
        }
    }
    nation.SizeShortfall = static_cast<int16_t>(target - count);
}
}  // namespace

bool IsPlacedNation(const World& world, int n) {
    return (n >= 1 && n <= world.Settings.NationCount) || world.IsMajor(n);
}

int TargetSize(const World& world, int n) {
    const int equal = world.Settings.StartingCountrySize;
    return equal > 0 ? equal : world.Nations[n].Size;
}

void ExpandNations(World& world) {
    const int nations = world.NationCountLoaded();
    // Every nation starts again from its capital alone.
    for (int n = 1; n <= nations; ++n) {
        TNation& nation = world.Nations[n];
        nation.HasSeaAccess = false;
        for (int slot = 2; slot <= NationProvinceSlots; ++slot) nation.OwnedProvinces[slot] = 0;
        for (int slot = 1; slot <= NationProvinceSlots; ++slot) nation.KnownExtra[slot] = 0;
    }
    for (int n = 1; n <= nations; ++n)
        if (IsPlacedNation(world, n)) GrowNation(world, n);
}

}  // namespace tq3
