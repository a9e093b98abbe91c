#include "output/CountryTable.h"

#include <array>
#include <string>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
const char* const kHeader =
    "country;main color;fantasia color;techgroup;leader language;ArmyNationalitySprite;"
    "ShipNationalitySprite;City Nationality;Aristocracy;Centralisation;Innovative;Mercantilism;"
    "Offensive;Land;Quality;Serfdom;Electors;END";
constexpr int kPolicies = 8;
constexpr int kPolicyDrawRange = 10;  // random policy values are 0..9

// The eight policy values in file order: drawn (RandomizeDP), the nation's own
// (IsNationSpecifDP) or the DefaultDP* settings.
std::array<int, kPolicies> PolicyValues(const World& world, const TNation& nation,
                                        RandomSource& random) {
    const TGeneratorSettings& s = world.Settings;
    if (s.RandomizeDP) {
        std::array<int, kPolicies> drawn{};
        for (int& v : drawn) v = random.RandInt(kPolicyDrawRange);
        return drawn;
    }
    if (s.IsNationSpecifDP)
        return {nation.Aristocracy, nation.Centralisation, nation.Innovative, nation.Mercantilism,
                nation.Offensive,   nation.Land,           nation.Quality,    nation.Serfdom};
    return {s.DefaultDPAristocracy,  s.DefaultDPCentralization, s.DefaultDPInnovative,
            s.DefaultDPMercantilism, s.DefaultDPOffensive,      s.DefaultDPLand,
            s.DefaultDPQuality,      s.DefaultDPSerfdom};
}

void Field(std::string& line, const std::string& value) {
    line += value;
    line += ';';
}

// One nation's line: 17 fields each followed by ";", then "X". Reads ColorNames,
// TechGroupNames and AllElectors.
std::string NationLine(const World& world, const TNation& nation, RandomSource& random) {
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
    for (int v : PolicyValues(world, nation, random)) Field(line, std::to_string(v));
    Field(line, s.AllElectors ? std::string("1") : std::to_string(nation.Electors));
    line += "X\r\n";
    return line;
}
}  // namespace

void WriteCountryTable(const World& world, RandomSource& random, Dialogs& dialogs) {
    // The header and every loaded nation's line.
    std::string text = kHeader;
    text += "\r\n";
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        text += NationLine(world, world.Nations[n], random);

    // The countries the generator does not manage follow byte for byte. A table that
    // exists but cannot be read has reported its failure and adds nothing.
    const std::string fixedName = GamePath(world.ProgramFolder, GameFiles::FixedCountryTable);
    const bool fixedFound = FileExists(fixedName);
    if (fixedFound) {
        std::string fixed;
        if (ReadWholeFile(dialogs, fixedName, fixed)) text += fixed;
    }
    WriteWholeFile(dialogs, GamePath(world.ProgramFolder, GameFiles::CountryTable), text, false);
    if (!fixedFound) dialogs.Error("File TQ3GenerFixedCountry.csv not found");
}

}  // namespace tq3
