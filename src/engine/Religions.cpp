#include "engine/Religions.h"

#include <algorithm>
#include <array>
#include <string>

namespace tq3 {

namespace {
// Working quotas by religion code 1..11 (element 0 unused).
using Quotas = std::array<int, ReligionCodes + 1>;

Quotas QuotasFromSettings(const World& world) {
    Quotas q{};
    for (int r = 1; r <= ReligionCodes; ++r) q[r] = world.Settings.ReligProb[r - 1];
    return q;
}

// Round(q + 0.5), half to even: q tickets when q is even, q + 1 when odd; none below 1.
int TicketsFor(int q) {
    return q > 0 ? q + (q & 1) : 0;
}

// The religion holding ticket number `ticket` of a list that gives religion r tickets[r].
template <std::size_t N>
int ReligionOfTicket(const std::array<int, N>& tickets, int ticket) {
    for (std::size_t r = 1; r < N; ++r) {
        if (ticket < tickets[r]) return static_cast<int>(r);
        ticket -= tickets[r];
    }
    return 0;
}

// Nation religions: religions 1..8 with the pagan quota an eighth and the orthodox and
// muslim quotas two thirds; each drawn religion uses up 5 of its quota.
void DrawNationReligions(World& world, RandomSource& random) {
    Quotas q = QuotasFromSettings(world);
    q[1] /= 8;
    for (int r : {5, 6, 7}) q[r] = 2 * q[r] / 3;  // Trunc(q / 1.5)
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        std::array<int, 9> tickets{};
        int total = 0;
        for (int r = 1; r <= 8; ++r) total += tickets[r] = TicketsFor(q[r]);
        // No tickets left: this nation and the later ones keep their religion.
        if (total == 0) return;
        const int c = ReligionOfTicket(tickets, random.RandInt(total));
        q[c] -= 5;
        world.Nations[n].Religion = static_cast<int8_t>(c);
    }
}

// Protestant, reformed and counterreformed nations are Catholic before the reformation;
// counterreformed ones also under the edict of tolerance.
void CorrectStartReligions(World& world) {
    const TGeneratorSettings& s = world.Settings;
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        int8_t& religion = world.Nations[n].Religion;
        if (!s.AdvancedReligStart && (religion == 3 || religion == 4 || religion == 11))
            religion = 2;
        else if (s.AdvancedReligStart && s.EdictOfTolerance && religion == 11)
            religion = 2;
    }
}

// The tickets of religions 1..10 for a run starting at province p: fewer in the cold, the
// muslim ones tripled in Asia and Africa and halved elsewhere, the Christian ones doubled and
// the pagan one halved in Europe.
std::array<int, 11> ProvinceTickets(const World& world, const Quotas& q, int p) {
    const TProvince& prov = world.Provinces[p];
    const std::string& continent = world.ContinentName(p);
    const bool cold = prov.Climate == 0 || prov.Climate == 7;
    const bool asiaOrAfrica = continent == "Asia" || continent == "Africa";
    const bool europe = continent == "Europe";
    std::array<int, 11> tickets{};
    for (int r = 1; r <= 10; ++r) {
        int k = TicketsFor(q[r]);
        if (r != 1 && cold) k /= 2;
        if (r == 6 || r == 7) k = asiaOrAfrica ? 3 * k : k / 2;
        if (europe) {
            if (r == 2 || r == 3 || r == 4) k *= 2;
            if (r == 1) k /= 2;
        }
        tickets[r] = k;
    }
    return tickets;
}

// Province religions in runs of consecutive numbers; each land province of a run uses up 1 of
// the drawn religion's quota, and an empty quota ends the run.
void LayProvinceReligions(World& world, RandomSource& random) {
    Quotas q = QuotasFromSettings(world);
    const int pc = world.ProvinceCount();
    // A run covers at least one province number, so the pass always moves on.
    const int runLength = std::max<int>(world.Settings.ReligDispersity, 1);
    int p = 1;
    while (p <= pc) {
        const std::array<int, 11> tickets = ProvinceTickets(world, q, p);
        int total = 0;
        for (int r = 1; r <= 10; ++r) total += tickets[r];
        // Every quota used up: the remaining provinces keep their religion.
        if (total == 0) return;
        const int c = ReligionOfTicket(tickets, random.RandInt(total));
        for (int step = 0; step < runLength; ++step) {
            if (q[c] <= 0) break;
            if (p <= pc && world.Provinces[p].IsLand()) {
                --q[c];
                world.Provinces[p].Religion = static_cast<int8_t>(c);
            }
            ++p;
        }
    }
}
}  // namespace

void GenerateReligions(World& world, RandomSource& random) {
    if (world.Settings.IsRandomReligNation) DrawNationReligions(world, random);
    CorrectStartReligions(world);
    if (world.Settings.IsRandomReligProv) LayProvinceReligions(world, random);
}

void ApplyNationFaith(World& world) {
    const TGeneratorSettings& s = world.Settings;
    // The scenario holds every major and the first NationCount - MajorCount other nations.
    const int otherNations = s.NationCount - s.MajorCount;
    int taken = 0;
    int majorsSeen = 0;
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        bool inScenario;
        if (world.IsMajor(n)) {
            ++majorsSeen;
            inScenario = true;
        } else {
            inScenario = otherNations + majorsSeen > taken;
        }
        if (!inScenario) continue;
        ++taken;
        const TNation& nation = world.Nations[n];
        // Provinces carry religions 0..10: counterreformed is given as Catholic.
        const int8_t religion = nation.Religion == 11 ? int8_t{2} : nation.Religion;
        for (int slot = 1; slot <= NationProvinceSlots; ++slot) {
            const int q = nation.OwnedProvinces[slot];
            if (q == 0) break;
            if (!world.IsValidProvince(q)) continue;
            TProvince& prov = world.Provinces[q];
            prov.Religion = religion;
            prov.Culture = nation.Cultures[1];
            // The sea zone next to a nation's province is calm. A province without one has
            // sea zone 0, so the flag of province 0 is cleared then, as the game's files expect.
            if (prov.SeaZone >= 0 && prov.SeaZone <= world.ProvinceCount())
                world.Provinces[prov.SeaZone].HasStorm = false;
        }
    }
}

}  // namespace tq3
