#include "session/ConfigCheck.h"

#include <map>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"
#include "config/Adjacency.h"
#include "config/SettingsFile.h"
#include "engine/RunChecks.h"
#include "output/ScenarioFile.h"

namespace tq3 {

namespace {

// Keys missing from the settings file take defaults (true, -1, empty) that are rarely meant;
// a key given twice counts only on its first line.
void CheckSettingKeys(const World& world, Dialogs& dialogs) {
    const std::string file = AbsolutePath(GamePath(world.ProgramFolder, GameFiles::SettingsTable));
    std::map<std::string, int> firstLine;
    LineCursor cursor(world.SettingsText);
    while (!cursor.done) {
        const std::string line = ReadNextLine(cursor);
        const std::size_t semi = line.find(';');
        if (semi == std::string::npos) continue;
        const std::string key = line.substr(0, semi);
        if (!IsSettingKey(key)) continue;
        if (cursor.lineNumber == 1) {
            dialogs.Problem(
                file, 1,
                "the first line is a header and is never read: " + key + " is ignored there");
            continue;
        }
        const auto [it, inserted] = firstLine.emplace(key, cursor.lineNumber);
        if (!inserted)
            dialogs.Problem(file, cursor.lineNumber,
                            key + " is given again; only its first line (line " +
                                std::to_string(it->second) + ") counts");
    }
    TGeneratorSettings probe;
    auto report = [&](const std::string& key, auto&&...) {
        if (!firstLine.count(key))
            dialogs.Problem(file, 0, key + " is missing; it takes its default");
    };
    VisitUserSettings(probe, report);
    VisitGenerationTables(probe, report);
}

}  // namespace

void CheckConfiguration(World& world, Dialogs& dialogs) {
    if (!LoadSettings(world, dialogs, true)) return;
    CheckSettingKeys(world, dialogs);
    for (const char* rel : {GameFiles::FixedProvinceTable, GameFiles::FixedCountryTable,
                            GameFiles::PlacementAdjacency}) {
        const std::string path = GamePath(world.ProgramFolder, rel);
        if (!FileExists(path)) dialogs.Problem(AbsolutePath(path), 0, "the file is missing");
    }
    const std::string& scenario = world.Settings.ScenarioFileName;
    if (!IsPlainScenarioFileName(scenario)) {
        dialogs.Problem(AbsolutePath(GamePath(world.ProgramFolder, GameFiles::SettingsTable)),
                        SettingLineNumber(world.SettingsText, "ScenarioFileName"),
                        "ScenarioFileName \"" + scenario + "\" would leave the Scenarios folder");
    }
    // Settings under which a run would be refused.
    CheckRunSettings(world, dialogs);
    // The placement table is read as a run reads it, then the map table again.
    if (FileExists(GamePath(world.ProgramFolder, GameFiles::PlacementAdjacency))) {
        LoadAdjacency(world, dialogs, false);
        LoadAdjacency(world, dialogs, true);
    }
}

}  // namespace tq3
