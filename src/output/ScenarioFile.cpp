#include "output/ScenarioFile.h"

#include "engine/GeneratorMode.h"
#include "engine/ScenarioNations.h"
#include "output/CountryBlock.h"
#include "output/TextFormat.h"

namespace tq3 {

namespace {

// A label of the scenario tactics text followed by its run of blanks.
std::string Padded(const char* label, int blanks) {
    return label + std::string(static_cast<std::size_t>(blanks), ' ');
}

// The name of the province, or empty for a number outside the world.
const std::string& ProvinceName(const World& world, int p) {
    static const std::string kNone;
    return p >= 0 && p <= world.ProvinceCount() ? world.Provinces[p].Name : kNone;
}

// A major's description block in the header: its capital, size, religion and technology
// in the scenario tactics text, then the fixed mission and country lines.
void MajorDescription(std::string& out, const World& world, int n) {
    const TGeneratorSettings& s = world.Settings;
    const TNation& t = world.Nations[n];
    const bool ownTech = s.IsNationSpecifTech;
    const int group = s.IsNationSpecifTechGroup ? t.TechGroup : s.CommonTechGroup;
    Line(out, t.Tag, " = {");
    Line(out, "  desc = ", Quoted("ALL_F_HISTDESC"));
    // The quoted text starts right after the opening quote (EditorEnabled adds a warning).
    out += "  scenariotactics = \"";
    if (s.EditorEnabled) Line(out, "! ! ! PREVIEW IS ENABLED ! ! !");
    Line(out, Padded("Capital province:", 5), ProvinceName(world, t.Capital()));
    Line(out, Padded("Size:", 33), ReceivedSize(world, n));
    Line(out, Padded("Religion:", 23), World::NameOf(s.ReligNames, t.Religion));
    Line(out, Padded("Research group:", 8), World::NameOf(s.TechGroupNames, group));
    Line(out, Padded("Infra tech level:", 9), ownTech ? t.TechInfra : s.StartTechInfra);
    Line(out, Padded("Trade tech level:", 7), ownTech ? t.TechTrade : s.StartTechTrade);
    Line(out, Padded("Land tech level:", 10), ownTech ? t.TechLand : s.StartTechLand);
    Line(out, Padded("Naval tech level:", 8), ownTech ? t.TechNaval : s.StartTechNaval);
    Line(out, Padded("Stability:", 24), ownTech ? t.Stability : s.StartStability);
    Line(out, "\"");
    Line(out, "  countrytactics = ", Quoted("ALL_F_VPTACTIC"));
    Line(out, "  missioncountry = ", Quoted("(none)"));
    Line(out, "  missiontactics = ", Quoted("(none)"));
    Line(out, "  countrydifficulty = 3");
    Line(out, "  countryeconomy = 3");
    Line(out, "  countrymilitary = 3");
    Line(out, "  countrydiplomacy = 3");
    Line(out, "  missiontype = 6");
    Line(out, "  numcities = ", ReceivedSize(world, n));
    Line(out, "  numcolonies = 0");
    Line(out, "  numtradingposts = 0");
    Line(out, "  numgold = ", StartingDucats(world, n));
    Line(out, "}");
    Line(out, "");
}

void Header(std::string& out, const World& world, const std::vector<int>& nations) {
    const TGeneratorSettings& s = world.Settings;
    Line(out, "header = {");
    Line(out, "    name = ", Quoted(s.ScenarioName));
    Line(out, "    desc = ", Quoted("scenarios\\data\\fantasia.txt\\fantasy_histdesc.txt"));
    Line(out, "    picture = ", Quoted("scenarios\\data\\Fantasy.bmp"));
    Line(out, "    startyear = ", s.StartYear);
    Line(out, "    endyear = ", s.EndYear);
    std::string selectable = "    selectable = { ";
    for (int n : nations) selectable += world.Nations[n].Tag + " ";
    Line(out, selectable, "}");
    Line(out, "    id = { type = 4712 id = 12001 }");
    Line(out, "    set_basevp = 1");
    Line(out, "    set_conq_capital = 1");
    Line(out, "");
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        if (world.IsMajor(n)) MajorDescription(out, world, n);
    Line(out, "}");
    Line(out, "");
}

// Start and end dates, the religion flags (AdvancedReligStart, EdictOfTolerance) and the
// fantasy rule set (FantasyMode).
void GlobalData(std::string& out, const TGeneratorSettings& s) {
    Line(out, "globaldata = {");
    Line(out, "    startdate = { year = ", s.StartYear - 1, " month = december day = 30 }");
    Line(out, "    enddate = { year = ", s.EndYear, " month = december day = 29 }");
    if (s.AdvancedReligStart)
        Line(out, std::string("    flags = { 1 2 3 "), (s.EdictOfTolerance ? "4 " : ""), "}");
    if (s.FantasyMode) Line(out, "    desc = fantasy");
    Line(out, "    }");
    Line(out, "");
}

void CentreLines(std::string& out, const World& world, const std::vector<int>& nations) {
    for (int n : nations) {
        const TNation& t = world.Nations[n];
        Line(out, "cot = {\tlocation = ", t.Capital(), " merchant = { TAG = ", t.Tag,
             " level = 1  } }");
    }
    Line(out, "");
}

// Scenario-only mode: every land province's religion and culture as the map gives them.
// A province without religion (code 0) gets no religion attribute.
void ProvinceOverrides(std::string& out, const World& world) {
    const TGeneratorSettings& s = world.Settings;
    for (int p = 1; p <= world.ProvinceCount(); ++p) {
        const TProvince& prov = world.Provinces[p];
        if (!prov.IsLand()) continue;
        std::string line = "province = { id = " + Num(p);
        if (prov.Religion == Religion::Pagan)
            line += " religion = pagan";
        else if (prov.Religion != Religion::None)
            line += " religion = " + World::NameOf(s.ReligNames, prov.Religion);
        if (s.NoCulture)
            line += " culture = " + Quoted("aztek");
        else if (prov.Culture == 0)
            line += " culture = " + Quoted("none");
        else
            line += " culture = " + Quoted(World::NameOf(s.CultureNames, prov.Culture));
        Line(out, line, "}");
    }
    Line(out, "");
}
}  // namespace

bool IsPlainScenarioFileName(const std::string& name) {
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos &&
           name.find("..") == std::string::npos;
}

std::string ScenarioText(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    const std::vector<int> nations = ScenarioNations(world);
    std::string out;
    out.reserve(8192 + nations.size() * 3072);
    Header(out, world, nations);
    GlobalData(out, s);

    // Centres of trade, a blank line after each pass that ran.
    const TradeCentres& centres = world.CentresOfTrade;
    CentreLines(out, world, centres.toMajors);
    CentreLines(out, world, centres.toTraders);
    if (centres.drawPassRan) CentreLines(out, world, centres.drawn);

    if (ModeOf(s.GeneratorMode) == GeneratorMode::ScenarioOnly) ProvinceOverrides(out, world);
    for (int n : nations) out += WriteCountryBlock(world, n);

    if (s.RandomEvents) Line(out, "event = ", Quoted("db\\events\\RandomEvents.txt"));
    if (s.ReligiousEvents && !s.AdvancedReligStart)
        Line(out, "event = ", Quoted("db\\events\\ReligiousEvents.txt"));
    return out;
}

}  // namespace tq3
