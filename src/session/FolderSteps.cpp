#include "session/FolderSteps.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "config/Adjacency.h"
#include "config/ProvinceTemplate.h"
#include "engine/RunProgress.h"
#include "engine/ScenarioDraws.h"
#include "session/GameFileWrites.h"

namespace tq3 {

void FolderSteps::LoadAdjacency(World& world, bool mapTable) {
    const std::string table = mapTable ? GameFiles::MapAdjacency : GameFiles::PlacementAdjacency;
    if (tq3::LoadAdjacency(world, dialogs_, mapTable).refused) Unread(world, table);
}

void FolderSteps::RestoreProtectedRegions(World& world, bool europe, bool asia) {
    if (LoadProvinceTemplate(world, dialogs_, europe, asia).refused)
        Unread(world, GameFiles::ProvinceTemplate);
}

void FolderSteps::GoodsAndTaxTables(World& world, RandomSource& random) {
    DrawGoodsPrices(world, random);
    AddGoodsTable(world, files_);
    AddTaxStabilityTable(world, files_);
}

void FolderSteps::ScenarioFiles(World& world, RandomSource& random) {
    // A run has refused a ScenarioFileName that would leave Scenarios/ before it started.
    DrawScenarioValues(world, random);
    AddScenarioFile(world, dialogs_, files_, &report_);
    dialogs_.Progress(RunProgress::ScenarioWritten);
    AddRevoltTable(world, files_);
}

void FolderSteps::Unread(const World& world, const std::string& table) {
    const std::string file = AbsolutePath(world.GamePath(table));
    const std::string message = "\"" + file +
                                "\" could not be read again during the run, so the run "
                                "stops here.";
    dialogs_.Error(message);
    report_.failed.push_back({file, message});
}

}  // namespace tq3
