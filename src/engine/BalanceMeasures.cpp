#include "engine/BalanceMeasures.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdlib>

#include "engine/ScenarioNations.h"

namespace tq3 {

namespace {
constexpr double kPercent = 100.0;

// Provinces carry religions 0..10; a counterreformed nation's provinces are Catholic.
int ProvinceFaith(int nationReligion) {
    return nationReligion == Religion::Counterreformed ? Religion::Catholic : nationReligion;
}

// Breadth-first over the neighbour table from `from`, nearest first: `visit(province,
// steps)` for each province reached within `maxSteps`, until it gives true.
template <class Visit>
void WalkNeighbours(const World& world, int from, int maxSteps, Visit&& visit) {
    std::array<int16_t, MaxProvinceSlots> steps;
    steps.fill(-1);
    std::array<int16_t, MaxProvinceSlots> queue;
    int head = 0, tail = 0;
    steps[from] = 0;
    queue[tail++] = static_cast<int16_t>(from);
    while (head < tail) {
        const int p = queue[head++];
        if (visit(p, steps[p])) return;
        if (steps[p] == maxSteps) continue;
        for (int k = 1; k <= NeighbourSlots; ++k) {
            const int n = world.Neighbours[p][k];
            if (n == 0) break;
            if (!world.IsValidProvince(n) || steps[n] >= 0) continue;
            steps[n] = static_cast<int16_t>(steps[p] + 1);
            queue[tail++] = static_cast<int16_t>(n);
        }
    }
}

// The steps from `from` to the nearest province marked in `targets`, or -1 when none can be
// reached.
int StepsToNearest(const World& world, int from, const std::bitset<MaxProvinceSlots>& targets) {
    int found = -1;
    WalkNeighbours(world, from, MaxProvinceSlots, [&](int p, int steps) {
        if (targets[p]) found = steps;
        return targets[p];
    });
    return found;
}

// The land provinces outside `held` within `maxSteps` neighbour steps of `from`.
int FreeLandWithin(const World& world, int from, int maxSteps,
                   const std::bitset<MaxProvinceSlots>& held) {
    int free = 0;
    WalkNeighbours(world, from, maxSteps, [&](int p, int) {
        if (world.Provinces[p].IsLand() && !held[p]) ++free;
        return false;
    });
    return free;
}
}  // namespace

double FairnessRatio(const std::vector<int>& strengths) {
    if (strengths.size() < 2) return 1;
    const auto [weakest, strongest] = std::minmax_element(strengths.begin(), strengths.end());
    if (*strongest <= 0) return 1;
    return static_cast<double>(std::max(*weakest, 0)) / *strongest;
}

double GiniCoefficient(const std::vector<int>& values) {
    double sum = 0, differences = 0;
    for (int a : values) {
        sum += a;
        for (int b : values) differences += std::abs(a - b);
    }
    if (sum <= 0) return 0;
    const double n = static_cast<double>(values.size());
    return differences / (2 * n * sum);
}

WorldBalance MeasureBalance(const World& world) {
    WorldBalance balance;

    // Land provinces by religion, for each major's share.
    std::array<int, ReligionCodes + 1> landByFaith{};
    int land = 0;
    for (int p = 1; p <= world.ProvinceCount(); ++p) {
        const TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        ++land;
        if (prov.Religion >= 0 && prov.Religion <= ReligionCodes) ++landByFaith[prov.Religion];
    }

    // What each scenario nation holds; the majors' holdings in detail. The scenario lists the
    // majors first, in nation-number order.
    std::bitset<MaxProvinceSlots> held, capitals;
    for (int n : ScenarioNations(world)) {
        const TNation& nation = world.Nations[n];
        if (nation.SizeShortfall > 0) ++balance.shortNations;
        const bool major = world.IsMajor(n);
        MajorBalance m;
        m.nation = n;
        std::bitset<GoodsCodes + 1> goods;
        for (int k = 1; k <= NationProvinceSlots && nation.OwnedProvinces[k] != 0; ++k) {
            const int p = nation.OwnedProvinces[k];
            if (!world.IsValidProvince(p)) continue;
            const TProvince& prov = world.Provinces[p];
            if (prov.IsLand()) held[p] = true;
            if (!major) continue;
            ++m.provinces;
            if (prov.IsLand()) ++m.landProvinces;
            m.manpower += prov.Manpower;
            m.income += prov.Income;
            if (prov.IsCoastal) ++m.coastal;
            if (prov.MineValue > 0) ++m.goldMines;
            if (prov.Goods >= 1 && prov.Goods <= GoodsCodes) goods[prov.Goods] = true;
        }
        if (!major) continue;
        m.tradeGoods = static_cast<int>(goods.count());
        const int faith = ProvinceFaith(nation.Religion);
        if (land > 0 && faith >= 0 && faith <= ReligionCodes)
            m.religionShare = kPercent * landByFaith[faith] / land;
        if (world.IsValidProvince(nation.Capital())) capitals[nation.Capital()] = true;
        balance.majors.push_back(m);
    }

    // Each major's nearest rival capital, its own capital left out of the targets, and the
    // free land around its capital; the world's room is the smallest.
    for (MajorBalance& m : balance.majors) {
        if (m.coastal > 0) ++balance.coastalMajors;
        const int capital = world.Nations[m.nation].Capital();
        if (!world.IsValidProvince(capital)) continue;
        std::bitset<MaxProvinceSlots> others = capitals;
        others[capital] = false;
        if (others.any()) m.capitalDistance = StepsToNearest(world, capital, others);
        m.room = FreeLandWithin(world, capital, RoomSteps, held);
    }
    if (!balance.majors.empty())
        balance.room = std::min_element(balance.majors.begin(), balance.majors.end(),
                                        [](const MajorBalance& a, const MajorBalance& b) {
                                            return a.room < b.room;
                                        })
                           ->room;

    std::vector<int> strengths, incomes;
    for (const MajorBalance& m : balance.majors) {
        strengths.push_back(m.Strength());
        incomes.push_back(m.income);
    }
    balance.fairness = FairnessRatio(strengths);
    balance.incomeGini = GiniCoefficient(incomes);
    if (land > 0) balance.nativeShare = kPercent * (land - static_cast<int>(held.count())) / land;
    return balance;
}

}  // namespace tq3
