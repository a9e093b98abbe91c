#include "session/GameFilesCheck.h"

#include <algorithm>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
constexpr int ThousandMen = 1000, HalfThousand = 500;

template <std::size_t N>
std::vector<std::string> Names(const std::array<std::string, N>& list) {
    return {list.begin(), list.end()};
}

ValueRange Spanning(long long a, long long b) {
    return {static_cast<int>(std::min(a, b)), static_cast<int>(std::max(a, b))};
}

// The amounts of ducats and men that a run gives every nation alike: a major's scaled by
// MajorAdvantage, the others' as set.
void SettingBounds(const TGeneratorSettings& s, VerifySettings& v) {
    const long long funds = s.StartingFunds, army = s.StartingArmy, advantage = s.MajorAdvantage;
    if (!s.IsNationSpecifGold) v.treasury = Spanning(funds, funds * (100 + advantage) / 100);
    if (!s.IsNationSpecifArmy) {
        v.infantry = Spanning(ThousandMen * army, ThousandMen * army + 10 * army * advantage);
        const ValueRange horse =
            Spanning(HalfThousand * army, HalfThousand * army + 5 * army * advantage);
        // The first army has no cavalry when a conquistador's expedition takes it.
        v.cavalry = ValueRange{std::min(0, horse.lo), horse.hi};
        v.artillery = ValueRange{0, 0};
    }
    if (!s.IsNationSpecifTech) {
        v.infra = ValueRange{s.StartTechInfra, s.StartTechInfra};
        v.trade = ValueRange{s.StartTechTrade, s.StartTechTrade};
        v.land = ValueRange{s.StartTechLand, s.StartTechLand};
        v.naval = ValueRange{s.StartTechNaval, s.StartTechNaval};
        v.stability = ValueRange{s.StartStability, s.StartStability};
    }
    constexpr ValueRange RandomPolicy{0, 9};
    if (s.RandomizeDP) v.policy = RandomPolicy;
}
}  // namespace

VerifySettings VerifySettingsOf(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    VerifySettings v;
    v.scenarioFile =
        std::string(GameFiles::ScenarioFolder) + s.ScenarioFileName + GameFiles::ScenarioExtension;
    v.scenarioName = s.ScenarioName;
    v.startYear = s.StartYear;
    v.endYear = s.EndYear;
    v.provinceCount = world.ProvinceCount();
    v.religionNames = Names(s.ReligNames);
    v.goodsNames = Names(s.GoodsNames);
    v.cultureNames = Names(s.CultureNames);
    v.techGroupNames = Names(s.TechGroupNames);
    v.noCulture = s.NoCulture;
    SettingBounds(s, v);
    return v;
}

InstalledFilesCheck VerifyInstalledFiles(const World& world, Dialogs& dialogs) {
    const VerifySettings settings = VerifySettingsOf(world);
    std::vector<std::string> paths;
    for (const char* name : GameFiles::DatabaseFiles)
        paths.push_back(std::string(GameFiles::DatabaseFolder) + name);
    paths.push_back(settings.scenarioFile);

    InstalledFilesCheck result;
    std::vector<std::string> texts;
    texts.reserve(paths.size());
    GameFileTexts files;
    for (const std::string& path : paths) {
        const std::string absolute = world.GamePath(path);
        QuietDialogs quiet;
        std::string text;
        result.checked.push_back(ShownGamePath(path));
        if (!FileExists(absolute)) {
            result.findings.push_back({ShownGamePath(path), 0, "the file is missing"});
        } else if (!ReadWholeFile(quiet, absolute, text)) {
            result.findings.push_back({ShownGamePath(path), 0, quiet.lastError});
        } else {
            texts.push_back(std::move(text));
            files.emplace(path, texts.back());
        }
    }
    for (Finding& f : VerifyGameFiles(files, settings)) result.findings.push_back(std::move(f));
    for (const Finding& f : result.findings) dialogs.Problem(f.file, f.line, f.text);
    return result;
}

}  // namespace tq3
