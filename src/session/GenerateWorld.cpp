#include "session/GenerateWorld.h"

#include <string>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "config/Adjacency.h"
#include "config/ProvinceTemplate.h"
#include "config/SettingsFile.h"
#include "engine/GeneratorMode.h"
#include "engine/RunChecks.h"
#include "engine/RunProgress.h"
#include "engine/ScenarioDraws.h"
#include "session/FolderLock.h"
#include "session/FolderOperation.h"
#include "session/FolderTransaction.h"
#include "session/GameFileWrites.h"
#include "session/RunInputs.h"
#include "session/RunVerification.h"
#include "session/WorldDraws.h"

namespace tq3 {

namespace {
// Clears the read-only flag (the owner's missing write permission) of the six database
// files; a missing file or a failure is ignored.
void MakeDatabaseWritable(const World& world) {
    for (const char* name : GameFiles::DatabaseFiles) {
        const std::string path =
            GamePath(world.ProgramFolder, std::string(GameFiles::DatabaseFolder) + name);
        if (FileExists(path)) MakeWritable(path);
    }
}

// The run's file steps on the game folder: the tables are read again, and each file is
// formatted whole when it is due and kept with the run's files until they land together. A
// table that cannot be read again stops the run before anything is replaced.
class FolderSteps final : public RunFileSteps {
  public:
    FolderSteps(Dialogs& dialogs, RunReport& report, FolderTransaction& files)
        : dialogs_(dialogs), report_(report), files_(files) {}
    void LoadAdjacency(World& world, bool mapTable) override {
        const std::string table =
            mapTable ? GameFiles::MapAdjacency : GameFiles::PlacementAdjacency;
        if (tq3::LoadAdjacency(world, dialogs_, mapTable).refused) Unread(world, table);
    }
    void RestoreProtectedRegions(World& world, bool europe, bool asia) override {
        if (LoadProvinceTemplate(world, dialogs_, europe, asia).refused)
            Unread(world, GameFiles::ProvinceTemplate);
    }
    void GoodsAndTaxTables(World& world, RandomSource& random) override {
        DrawGoodsPrices(world, random);
        AddGoodsTable(world, files_);
        AddTaxStabilityTable(world, files_);
    }
    void ScenarioFiles(World& world, RandomSource& random) override {
        // A run has refused a ScenarioFileName that would leave Scenarios/ before it started.
        DrawScenarioValues(world, random);
        AddScenarioFile(world, dialogs_, files_, &report_);
        dialogs_.Progress(RunProgress::ScenarioWritten);
        AddRevoltTable(world, files_);
    }

  private:
    void Unread(const World& world, const std::string& table) {
        const std::string file = AbsolutePath(GamePath(world.ProgramFolder, table));
        const std::string message = "\"" + file +
                                    "\" could not be read again during the run, so the run "
                                    "stops here.";
        dialogs_.Error(message);
        report_.failed.push_back({file, message});
    }

    Dialogs& dialogs_;
    RunReport& report_;
    FolderTransaction& files_;
};

// The random numbers of each step: with rerolls, where each step begins without them is
// learnt first from a run in memory that writes nothing.
StepStreams RunStreams(const World& world, RandomSource& random, const Rerolls& rerolls) {
    if (rerolls.empty()) return StepStreams(random);
    QuietDialogs quiet;
    RunReport report;
    // Never committed: it leaves the folder as it was.
    FolderTransaction files(world.ProgramFolder);
    FolderSteps steps(quiet, report, files);
    auto starts = PlainStarts(world, random, steps);
    return starts ? StepStreams(std::move(starts), rerolls) : StepStreams(random);
}

// Scenario-only mode puts the game's own province table back from the backup: its bytes
// land with the run's other files.
void AddBackedUpProvinceTable(const World& world, Dialogs& dialogs, FolderTransaction& files,
                              RunReport& report) {
    std::string from =
        GamePath(world.ProgramFolder, std::string(GameFiles::BackupFolder) + "Province.csv");
    // A folder that has never been backed up (only read, for --out) still holds its own map.
    if (!FileExists(from))
        from =
            GamePath(world.ProgramFolder, std::string(GameFiles::DatabaseFolder) + "Province.csv");
    const std::string to =
        GamePath(world.ProgramFolder, std::string(GameFiles::DatabaseFolder) + "Province.csv");
    QuietDialogs quiet;
    std::string bytes;
    if (ReadWholeFile(quiet, from, bytes)) {
        files.Add(std::string(GameFiles::DatabaseFolder) + "Province.csv", std::move(bytes));
        return;
    }
    const std::string message = "Cannot restore the original province table: copying \"" +
                                AbsolutePath(from) + "\" to \"" + AbsolutePath(to) + "\" failed.";
    dialogs.Error(message);
    report.failed.push_back({AbsolutePath(to), message});
}

// The seed of the program's own random source, for the report of a fault in the run's output.
std::optional<uint64_t> SeedOf(const RandomSource& random) {
    if (const auto* own = dynamic_cast<const Random*>(&random)) return own->Seed();
    return std::nullopt;
}

// The run on its held folder, from the checks of its inputs to the commit.
void RunInFolder(World& world, RandomSource& random, Dialogs& dialogs, const RunHooks& hooks,
                 RunReport& report) {
    const GeneratorMode mode = ModeOf(world.Settings.GeneratorMode);
    const bool inGameFolder = hooks.outFolder.empty();

    // Inputs the run cannot use soundly, and settings under which the nation steps could
    // never end, are refused before anything is drawn or written.
    if (!CheckRunInputs(world, dialogs) || !CheckRunSettings(world, dialogs)) return;

    dialogs.Progress(RunProgress::Start);
    FolderTransaction files(inGameFolder ? world.ProgramFolder : hooks.outFolder);
    if (!inGameFolder) files.SpellAs(world.ProgramFolder);
    if (inGameFolder) {
        // The keeping copies of the originals that no run has replaced yet, so that every
        // one of them can be brought back (the diplomatic matrix, which no run writes, among
        // them), and of each original this run replaces.
        files.CompleteBackup(true);
        files.KeepOriginals();
    }
    FolderSteps folder(dialogs, report, files);
    StepStreams streams = RunStreams(world, random, hooks.rerolls);
    DrawWorld(world, streams, dialogs, folder);

    if (hooks.preview) hooks.preview(world);
    if (world.Settings.EditorEnabled && hooks.mapEditor && !hooks.mapEditor(world)) {
        dialogs.Progress(RunProgress::Start);
        LoadSettings(world, dialogs, false);
        report.end = RunEnd::Aborted;
        return;
    }

    if (mode != GeneratorMode::ScenarioOnly) AddProvinceTable(world, dialogs, files, &report);
    dialogs.Progress(RunProgress::ProvinceTableWritten);
    bool fixedCountryFound = true;
    if (mode == GeneratorMode::MapAndScenario) {
        DrawPolicies(world, streams.Current());
        fixedCountryFound = AddCountryTable(world, dialogs, files);
    }
    if (mode == GeneratorMode::ScenarioOnly)
        AddBackedUpProvinceTable(world, dialogs, files, report);

    // The run's files land together, or none of them when any could not be made or breaks a
    // rule of the game's files.
    if (report.failed.empty())
        CheckOwnOutput(world, hooks, SeedOf(random), files, files.folder(), dialogs, report);
    if (report.failed.empty()) {
        if (inGameFolder) MakeDatabaseWritable(world);
        files.Commit(dialogs, report);
    }
    if (!fixedCountryFound) dialogs.Error("File TQ3GenerFixedCountry.csv not found");
    dialogs.Progress(RunProgress::Done);
    report.end = RunEnd::Finished;
}
}  // namespace

RunReport GenerateWorld(World& world, RandomSource& random, Dialogs& userDialogs,
                        const RunHooks& hooks) {
    // The files land in the game folder, or in the folder of --out, which the run then holds
    // while the game folder is only read. One run at a time in the folder written.
    const bool inGameFolder = hooks.outFolder.empty();
    const std::string& target = inGameFolder ? world.ProgramFolder : hooks.outFolder;
    return RunFolderOperation<RunReport>(target, userDialogs, hooks.folder,
                                         [&](Dialogs& dialogs, RunReport& report) {
                                             RunInFolder(world, random, dialogs, hooks, report);
                                         });
}

}  // namespace tq3
