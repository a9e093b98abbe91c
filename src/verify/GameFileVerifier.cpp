#include "verify/GameFileVerifier.h"

#include <optional>

#include "verify/DatabaseTableChecks.h"
#include "verify/ProvinceTableCheck.h"
#include "verify/RevoltCheck.h"
#include "verify/ScenarioCheck.h"

namespace tq3 {

namespace {
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        const auto slash = [&](char c) { return c == '/' ? '\\' : lower(c); };
        if (slash(a[i]) != slash(b[i])) return false;
    }
    return true;
}

// The file of the set with this game path, as found in the set and with its text.
struct FoundFile {
    std::string shown;
    std::string_view text;
};
std::optional<FoundFile> FindFile(const GameFileTexts& files, std::string_view path) {
    for (const auto& [name, text] : files)
        if (SameName(name, path)) return FoundFile{ShownGamePath(name), text};
    return std::nullopt;
}

// Every nation of Revolt.txt has its row in Country.csv.
void RevoltTagsInCountryTable(const FoundFile& revolt, const VerifyFacts& facts,
                              FindingList& findings) {
    for (const auto& [tag, nation] : *facts.revolts)
        if (!facts.countryTags->contains(tag))
            findings.Add(revolt.shown, nation.line, "the tag " + tag + " is not in Country.csv");
}

// Provinces of Revolt.txt are land provinces of the province table.
void RevoltProvinces(const FoundFile& revolt, const VerifyFacts& facts, int highest,
                     FindingList& findings) {
    for (const auto& [tag, nation] : *facts.revolts) {
        std::vector<int> provinces = nation.extra;
        provinces.push_back(nation.capital);
        for (const int p : provinces)
            if (p < 1 || p > highest || (facts.provinces && !facts.provinces->IsLand(p)))
                findings.Add(
                    revolt.shown, nation.line,
                    "the province " + std::to_string(p) + " of " + tag + " is no land province");
    }
}
}  // namespace

std::string ShownGamePath(std::string_view gamePath) {
    std::string shown(gamePath.starts_with('\\') || gamePath.starts_with('/') ? gamePath.substr(1)
                                                                              : gamePath);
    for (char& c : shown)
        if (c == '\\') c = '/';
    return shown;
}

std::vector<Finding> VerifyGameFiles(const GameFileTexts& files, const VerifySettings& settings) {
    FindingList findings;
    VerifyFacts facts;
    // Files that others refer to come first: goods names, nations, tags, provinces.
    if (const auto goods = FindFile(files, "\\DB\\Goods.csv"))
        CheckGoodsTable(goods->text, goods->shown, facts, findings);
    const auto revolt = FindFile(files, "\\DB\\Revolt.txt");
    if (revolt) CheckRevoltTable(revolt->text, revolt->shown, settings, facts, findings);
    if (const auto country = FindFile(files, "\\DB\\Country.csv")) {
        CheckCountryTable(country->text, country->shown, settings, facts, findings);
        if (revolt) RevoltTagsInCountryTable(*revolt, facts, findings);
    }
    if (const auto matrix = FindFile(files, "\\DB\\DiplomaticMatrix.csv"))
        CheckDiplomaticMatrix(matrix->text, matrix->shown, facts, findings);
    if (const auto province = FindFile(files, "\\DB\\Province.csv"))
        CheckProvinceTable(province->text, province->shown, settings, facts, findings);
    if (revolt) {
        const int highest = facts.provinces ? facts.provinces->Highest() : settings.provinceCount;
        RevoltProvinces(*revolt, facts, highest, findings);
    }
    if (const auto tax = FindFile(files, "\\DB\\tax_stab.csv"))
        CheckTaxStabilityTable(tax->text, tax->shown, findings);
    if (const auto scenario = FindFile(files, settings.scenarioFile))
        CheckScenario(scenario->text, scenario->shown, settings, facts, findings);
    return findings.Take();
}

}  // namespace tq3
