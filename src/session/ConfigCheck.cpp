#include "session/ConfigCheck.h"

#include <memory>
#include <string_view>
#include <unordered_map>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/ReplaceJournal.h"
#include "base/TextFile.h"
#include "config/Adjacency.h"
#include "config/SettingsFile.h"
#include "engine/RunChecks.h"
#include "session/RunInputs.h"

namespace tq3 {

namespace {

// Keys missing from the settings file take defaults (true, -1, empty) that are rarely meant;
// a key given twice counts only on its first line.
void CheckSettingKeys(const World& world, Dialogs& dialogs) {
    const std::string file = AbsolutePath(world.GamePath(GameFiles::SettingsTable));
    std::unordered_map<std::string_view, int> firstLine;  // keys viewed in the settings text
    LineCursor cursor(world.SettingsText);
    while (!cursor.done) {
        const std::string_view line = ReadNextLineView(cursor);
        const std::size_t semi = line.find(';');
        if (semi == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, semi);
        if (!IsSettingKey(key)) continue;
        if (cursor.lineNumber == 1) {
            dialogs.Problem(file, 1,
                            "the first line is a header and is never read: " + std::string(key) +
                                " is ignored there");
            continue;
        }
        const auto [it, inserted] = firstLine.emplace(key, cursor.lineNumber);
        if (!inserted)
            dialogs.Problem(file, cursor.lineNumber,
                            std::string(key) + " is given again; only its first line (line " +
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

OperationReport ReviewConfiguration(const World& world, Dialogs& userDialogs) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    CheckSettingKeys(world, dialogs);
    for (const char* rel : {GameFiles::FixedProvinceTable, GameFiles::FixedCountryTable,
                            GameFiles::PlacementAdjacency}) {
        const std::string path = world.GamePath(rel);
        if (!FileExists(path)) dialogs.Problem(AbsolutePath(path), 0, "the file is missing");
    }
    return report;
}

OperationReport CheckConfiguration(World& world, Dialogs& userDialogs) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    if (LoadSettings(world, dialogs, true).refused) return report;
    ReviewConfiguration(world, dialogs);
    // A run cut short while it replaced its files; the next command that takes the folder
    // finishes it.
    const std::string journal = JoinPath(world.ProgramFolder, JournalFileName);
    if (JournalPending(world.ProgramFolder))
        dialogs.Problem(AbsolutePath(journal), 0,
                        "a run was cut short while it replaced its files; the next generate, "
                        "restore or scenario copy finishes it");
    // Everything under which a run would be refused.
    for (const std::string& refusal : RunInputRefusals(world)) dialogs.Error(refusal);
    CheckRunSettings(world, dialogs);
    // The placement table is read as a run reads it, into a table of its own.
    if (FileExists(world.GamePath(GameFiles::PlacementAdjacency))) {
        auto placement = std::make_unique<NeighbourTable>();
        ReadPlacementAdjacency(world, dialogs, *placement);
    }
    return report;
}

}  // namespace tq3
