#include "output/CountryTable.h"

#include <array>
#include <string>

#include "output/TextFormat.h"

namespace tq3 {

namespace {
const char* const kHeader =
    "country;main color;fantasia color;techgroup;leader language;ArmyNationalitySprite;"
    "ShipNationalitySprite;City Nationality;Aristocracy;Centralisation;Innovative;Mercantilism;"
    "Offensive;Land;Quality;Serfdom;Electors;END";
constexpr int kPolicies = 8;

// The eight policy values in file order: drawn for the run (RandomizeDP), the nation's own
// (IsNationSpecifDP) or the DefaultDP* settings.
std::array<int, kPolicies> PolicyValues(const World& world, const TNation& nation) {
    const TGeneratorSettings& s = world.Settings;
    if (s.RandomizeDP) {
        std::array<int, kPolicies> drawn{};
        for (int k = 0; k < kPolicies; ++k) drawn[k] = nation.DrawnPolicies[k];
        return drawn;
    }
    if (s.IsNationSpecifDP)
        return {nation.Aristocracy, nation.Centralisation, nation.Innovative, nation.Mercantilism,
                nation.Offensive,   nation.Land,           nation.Quality,    nation.Serfdom};
    return {s.DefaultDPAristocracy,  s.DefaultDPCentralization, s.DefaultDPInnovative,
            s.DefaultDPMercantilism, s.DefaultDPOffensive,      s.DefaultDPLand,
            s.DefaultDPQuality,      s.DefaultDPSerfdom};
}

// One nation's line: 17 fields each followed by ";", then "X". Reads ColorNames,
// TechGroupNames and AllElectors.
std::string NationLine(const World& world, const TNation& nation) {
    const TGeneratorSettings& s = world.Settings;
    std::string line;
    Field(line, nation.Tag);
    Field(line, World::NameOf(s.ColorNames, nation.MainColor));
    Field(line, World::NameOf(s.ColorNames, nation.FantasiaColor));
    Field(line, World::NameOf(s.TechGroupNames, nation.TechGroup));
    Field(line, nation.LeaderLanguage);
    Field(line, nation.ArmySprite);
    Field(line, nation.ShipSprite);
    Field(line, nation.CityNationality);
    for (int v : PolicyValues(world, nation)) Field(line, std::to_string(v));
    Field(line, s.AllElectors ? std::string("1") : std::to_string(nation.Electors));
    line += "X\r\n";
    return line;
}
}  // namespace

std::string CountryTableText(const World& world, const std::string& fixed) {
    // The header and every loaded nation's line.
    std::string text = kHeader;
    text += "\r\n";
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        text += NationLine(world, world.Nations[n]);
    // The countries the generator does not manage follow byte for byte.
    text += fixed;
    return text;
}

}  // namespace tq3
