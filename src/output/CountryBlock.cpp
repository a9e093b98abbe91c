#include "output/CountryBlock.h"

#include <vector>

#include "engine/ScenarioNations.h"
#include "output/TextFormat.h"

namespace tq3 {

namespace {
constexpr int kLandUnitType = 9423;
constexpr int kNavalUnitType = 9424;
constexpr int kLeaderType = 4712;
constexpr int kConquistadorId = 10800;
constexpr int kExplorerId = 11100;
constexpr int kLastMajorNumber = 24;  // the game treats nations 1..24 as majors

// Everything the block's rules ask about the nation, worked out once.
struct BlockContext {
    const World& world;
    const TGeneratorSettings& s;
    const TNation& nation;
    int n;
    std::vector<int> owned;
    int capital = 0;
    bool major = false;
    bool expeditions = false;
    bool split = false;

    // A specific counts only with IsNationSpecifics.
    bool Counts(uint32_t specific) const { return s.IsNationSpecifics && nation.Has(specific); }
    // A coastal province that opens into a sea zone; numbers outside the world are not.
    bool OpensToSea(int p) const {
        return world.IsValidProvince(p) && world.Provinces[p].IsCoastal &&
               world.Provinces[p].SeaZone != 0;
    }
};

// " p1 p2 ..." for the non-zero entries of a 1-based list.
std::string ListText(const std::array<int16_t, NationProvinceSlots + 1>& list) {
    std::string text;
    for (int k = 1; k <= NationProvinceSlots && list[k] != 0; ++k) {
        text += ' ';
        Append(text, list[k]);
    }
    return text;
}

void HeadAndPolicy(std::string& out, const BlockContext& c) {
    const TNation& t = c.nation;
    Line(out, "country = {");
    Line(out, "  tag = ", t.Tag);
    Line(out, "  policy = {");
    Line(out, "    date = { year = 0 month = january day = 0 }");
    Line(out, "    aristocracy = ", t.Aristocracy);
    Line(out, "    centralization = ", t.Centralisation);
    Line(out, "    innovative = ", t.Innovative);
    Line(out, "    mercantilism = ", t.Mercantilism);
    Line(out, "    offensive = ", t.Offensive);
    Line(out, "    land = ", t.Land);
    Line(out, "    quality = ", t.Quality);
    Line(out, "    serfdom = ", t.Serfdom);
    Line(out, "  }");
}

// AI file, badboy, colonists, merchants, treasury, religion and culture.
void Character(std::string& out, const BlockContext& c) {
    const TGeneratorSettings& s = c.s;
    const TNation& t = c.nation;
    // The nation's own AI file only where its start location is not redrawn freely.
    const bool ownAi = (s.RandomStartLoc < 4 || s.RandomizeUnknownsOnly || s.DontMoveEuroNations) &&
                       !t.AiFile.empty();
    Line(out, "  ai = ", Quoted(ownAi ? t.AiFile : "fantasia.ai"));
    if (s.BadBoy > 0) Line(out, "  badboy = ", s.BadBoy);
    Line(out, "  colonialattempts = 0");
    Line(out, "  colonialnation = yes");
    Line(out, c.n <= kLastMajorNumber ? "  major = yes" : "  major = no");
    if (c.Counts(SpecBank)) {
        Line(out, "  bank = yes");
        Line(out, "  loansize = 500");
    }
    if (!s.FantasyMode)
        Line(out, t.HasSeaAccess ? "  colonists = 3" : "  colonists = 6");
    else
        Line(out, c.Counts(SpecPopulation) ? "  colonists = 2" : "  colonists = 0");
    Line(out, c.Counts(SpecCoT) ? "  merchants = 3" : "  merchants = 0");
    Line(out, "  cancelledloans = 0");
    Line(out, "  extendedloans = 0");
    Line(out, "  treasury = ", StartingDucats(c.world, c.n));
    Line(out, "  inflation = 0");
    Line(out, "  whiteman = 100");
    // The game has no "exotic" religion: such nations are written as pagan.
    const std::string& religion = World::NameOf(s.ReligNames, t.Religion);
    Line(out, "  religion = { type = ", (religion == "exotic" ? "pagan } " : religion + " }"));
    if (!s.AIChangesReligion)
        Line(out, "  changedreligion = { year = 1820 month = january day = 0 }");
    std::string culture = "  culture = {";
    if (s.NoCulture) {
        culture += " type = aztek";
    } else {
        for (int k = 1; k <= CultureSlots && t.Cultures[k] != 0; ++k)
            culture += " type = " + World::NameOf(s.CultureNames, t.Cultures[k]);
    }
    Line(out, culture, " }");
}

void Provinces(std::string& out, const BlockContext& c) {
    const std::string owned = ListText(c.nation.OwnedProvinces);
    // Majors of an explored world know every province (WorldIsExplored).
    if (c.major && c.s.WorldIsExplored)
        Line(out, "  knownprovinces = { ", c.world.ExploredWorldList, " }");
    else
        Line(out, "  knownprovinces = {", owned, ListText(c.nation.KnownExtra), " }");
    Line(out, "  ownedprovinces = {", owned, " }");
    Line(out, "  controlledprovinces = {", owned, " }");
    Line(out, "  nationalprovinces = {", owned, " }");
}

// The population that the provinces a nation did not get would have had, spread over the
// cities it got: sum of 11000 - 1000 k for the missing positions k, divided by the received
// size.
int PopulationBonus(const BlockContext& c) {
    const int target = TargetSize(c.world, c.n);
    const int received = ReceivedSize(c.world, c.n);
    if (received <= 0) return 0;  // no city received: nothing to spread over
    int sum = 0;
    for (int k = received + 1; k <= target; ++k) sum += 11000 - 1000 * k;
    return sum / received;
}

void Cities(std::string& out, const BlockContext& c) {
    const bool fortress = c.Counts(SpecFortress);
    const bool big = c.s.BigFortresses;
    // Level 2, raised by one for a fortress specific and by one for BigFortresses.
    const int capitalFortress = 2 + (fortress ? 1 : 0) + (big ? 1 : 0);
    const int bonus = PopulationBonus(c);
    auto civicLines = [&](std::string& o) {
        if (c.Counts(SpecBailiff)) Line(o, "    bailiff = yes");
        if (c.Counts(SpecCityrights)) Line(o, "    cityrights = yes");
        if (c.Counts(SpecCourthouse)) Line(o, "    courthouse = yes");
    };

    Line(out, "  city = {");
    Line(out, "    fortress = { level = ", capitalFortress, " }");
    Line(out, "    population = ", (c.Counts(SpecPopulation) ? 30000 : 15000) + bonus);
    if (c.Counts(SpecBarrack)) Line(out, "    barrack = yes");
    civicLines(out);
    if (c.Counts(SpecShipyard) && c.OpensToSea(c.capital)) Line(out, "    shipyard = yes");
    Line(out, "    location = ", c.capital);
    Line(out, "    capital = yes");
    // At most one manufactory, the first specific that counts.
    static const std::pair<uint32_t, const char*> kManufactories[] = {
        {SpecLuxury, "luxury"},
        {SpecRefinery, "refinery"},
        {SpecGoods, "goods"},
        {SpecWeapons, "weapons"},
        {SpecNavalEquipment, "navalequipment"}};
    for (const auto& [specific, name] : kManufactories) {
        if (c.Counts(specific)) {
            Line(out, std::string("    manufactory = "), name);
            break;
        }
    }
    Line(out, "  }");
    Line(out, "");

    // The further cities, each one fortress level lower and 1000 fewer people than the last.
    for (std::size_t i = 1; i < c.owned.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        Line(out, "  city = {");
        Line(out, "    fortress = { level = ", capitalFortress - 1, " }");
        Line(out, "    population = ", 5000 + 1000 * (6 - k) + bonus);
        civicLines(out);
        Line(out, "    location = ", c.owned[i]);
        Line(out, "  }");
        Line(out, "");
    }
}

// The five lines of a leader, with the death year drawn for the run.
void Leader(std::string& out, const BlockContext& c, int id, const std::string& name,
            const std::string& category, int movement, int deathYear) {
    const int startYear = c.s.StartYear;
    Line(out, "    leader = { id = { type = ", kLeaderType, " id = ", id, "}");
    Line(out, "      name = \"", c.nation.Tag, " ", name, "\"  category = ", category);
    Line(out, "      location = 0 rank = 25  fire = 0 shock = 1 siege = 0 movement = ", movement);
    Line(out, "      startdate = { year = ", startYear - 1, " month = june day = 3 }");
    Line(out, "      deathdate = { year = ", deathYear, " month = june day = 3 } }");
}

struct ArmyStrength {
    int infantry, cavalry, artillery, expeditionCavalry;
};

// Strength from the nation's own units (IsNationSpecifArmy) or from StartingArmy, with the
// major advantage for majors. A split army leaves its cavalry to the expedition.
ArmyStrength Strength(const BlockContext& c) {
    const TNation& t = c.nation;
    ArmyStrength a{};
    if (c.s.IsNationSpecifArmy) {
        a.infantry = t.Infantry * 1000;
        a.cavalry = t.Cavalry * 1000;
        a.artillery = t.Artillery * 10;
        a.expeditionCavalry = t.Cavalry == 0 ? 1000 : t.Cavalry * 1000;
    } else {
        const int army = c.s.StartingArmy;
        const int advantage = c.major ? c.s.MajorAdvantage : 0;
        a.infantry = 1000 * army + 10 * army * advantage;
        a.cavalry = 500 * army + 5 * army * advantage;
        a.artillery = 0;
        a.expeditionCavalry = a.cavalry;
    }
    if (c.split) a.cavalry = 0;
    return a;
}

void Armies(std::string& out, const BlockContext& c) {
    const ArmyStrength strength = Strength(c);
    const std::string capital = Num(c.capital);

    // First army, led by the conquistador unless he leads his own expedition.
    Line(out, "  landunit = {");
    Line(out, "    id = { type = ", kLandUnitType, " id = ", 10 * c.n, "}");
    Line(out, "    name = ", Quoted("1st Army"));
    Line(out, "    location = ", capital);
    if (c.expeditions && !c.split)
        Leader(out, c, c.n + kConquistadorId, "Conquistador", "conquistador", 3,
               c.nation.ConquistadorDeathYear);
    Line(out, "    infantry = ", strength.infantry);
    Line(out, "    cavalry = ", strength.cavalry);
    Line(out, "    artillery = ", strength.artillery);
    Line(out, "  }");

    // The conquistador's expedition takes the cavalry of a split army.
    if (c.expeditions && c.split) {
        Line(out, "  landunit = {");
        Line(out, "    id = { type = ", kLandUnitType, " id = ", 10 * c.n + 1, "}");
        Line(out, "    name = ", Quoted(c.nation.Tag + " Conquistador's Expedition"));
        Line(out, "    location = ", capital);
        Leader(out, c, c.n + kConquistadorId, "Conquistador", "conquistador", 2,
               c.nation.ConquistadorDeathYear);
        Line(out, "    infantry = 0");
        Line(out, "    cavalry = ", strength.expeditionCavalry);
        Line(out, "    artillery = 0");
        Line(out, "  }");
    }

    // First fleet, for a port nation whose capital opens to the sea.
    if (c.Counts(SpecPort) && c.OpensToSea(c.capital)) {
        const TNation& t = c.nation;
        Line(out, "  navalunit = {");
        Line(out, "    id = { type = ", kNavalUnitType, " id = ", 10 * c.n + 5, "}");
        Line(out, "    name = ", Quoted("1st Fleet"));
        Line(out, "    location = ", capital);
        if (c.s.IsNationSpecifArmy) {
            // Where start locations move far and galleys cannot sail everywhere, galleys
            // become warships.
            if (c.s.RandomStartLoc > 4 && !c.s.UseGalleysAnywhere) {
                Line(out, "    warships = ", t.Warships + t.Galleys);
                Line(out, "    galleys = 0");
            } else {
                Line(out, "    warships = ", t.Warships);
                Line(out, "    galleys = ", t.Galleys);
            }
            Line(out, "    transports = ", t.Transports);
        } else {
            Line(out, "    warships = ", c.s.StartingNavy / 2);
            Line(out, "    galleys = 0");
            Line(out, "    transports = ", c.s.StartingNavy / 2);
        }
        Line(out, "  }");
    }

    // The explorer sails from the first owned province that opens to the sea.
    const int harbour = c.expeditions ? ExplorerHarbour(c.world, c.n) : 0;
    if (harbour != 0) {
        Line(out, "  navalunit = {");
        Line(out, "    id = { type = ", kNavalUnitType, " id = ", 10 * c.n + 6, "}");
        Line(out, "    name = ", Quoted(c.nation.Tag + " Explorer's Expedition"));
        Line(out, "    location = ", harbour);
        Leader(out, c, c.n + kExplorerId, "Explorer", "explorer", 0, c.nation.ExplorerDeathYear);
        Line(out, "    warships = 2");
        Line(out, "    galleys = 0");
        Line(out, "    transports = 0");
        Line(out, "  }");
    }
}

// Technology levels and group: the nation's own (IsNationSpecifTech,
// IsNationSpecifTechGroup) or the common settings.
void Technology(std::string& out, const BlockContext& c) {
    const TGeneratorSettings& s = c.s;
    const TNation& t = c.nation;
    const bool own = s.IsNationSpecifTech;
    const auto level = [&out](const char* key, int value) {
        Line(out, "    ", key, " = { level = ", value, " value = 0 }");
    };
    Line(out, "  technology = {");
    level("infra", own ? t.TechInfra : s.StartTechInfra);
    level("trade", own ? t.TechTrade : s.StartTechTrade);
    level("land", own ? t.TechLand : s.StartTechLand);
    level("naval", own ? t.TechNaval : s.StartTechNaval);
    level("stability", own ? t.Stability : s.StartStability);
    const int group = s.IsNationSpecifTechGroup ? t.TechGroup : s.CommonTechGroup;
    Line(out, "    group = ", World::NameOf(s.TechGroupNames, group));
    Line(out, "  }");
    Line(out, "}");
    Line(out, "");
}
}  // namespace

std::string WriteCountryBlock(const World& world, int nation) {
    if (nation < 1 || nation > MaxNations) return {};
    const TNation& t = world.Nations[nation];
    BlockContext c{world, world.Settings, t, nation, OwnedProvinceList(t)};
    c.capital = t.Capital();
    c.major = world.IsMajor(nation);
    // Expeditions sail unless fantasy mode is on without GetConquistador.
    c.expeditions = SendsExpeditions(c.s);
    // SplitArmy counts whatever IsNationSpecifics says.
    c.split = c.expeditions && t.Has(SpecSplitArmy);

    std::string out;
    out.reserve(4096);
    HeadAndPolicy(out, c);
    Character(out, c);
    Provinces(out, c);
    Cities(out, c);
    Armies(out, c);
    Technology(out, c);
    return out;
}

}  // namespace tq3
