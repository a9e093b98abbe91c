#include "session/GenerateWorld.h"

#include <filesystem>
#include <string>

#include "base/FileCopy.h"
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
#include "session/GameFileWrites.h"
#include "session/RunFiles.h"
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
// formatted whole when it is due and kept with the run's files until they land together.
class FolderSteps final : public RunFileSteps {
  public:
    FolderSteps(Dialogs& dialogs, RunReport& report, RunFiles& files)
        : dialogs_(dialogs), report_(report), files_(files) {}
    void LoadAdjacency(World& world, bool mapTable) override {
        tq3::LoadAdjacency(world, dialogs_, mapTable);
    }
    void RestoreProtectedRegions(World& world, bool europe, bool asia) override {
        LoadProvinceTemplate(world, dialogs_, europe, asia);
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
    Dialogs& dialogs_;
    RunReport& report_;
    RunFiles& files_;
};

// Scenario-only mode puts the game's own province table back from the backup: its bytes
// land with the run's other files.
void AddBackedUpProvinceTable(const World& world, Dialogs& dialogs, RunFiles& files,
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

// Removes what an interrupted run may have left: temporary files of whole-file writes.
void RemoveLeftovers(const std::string& target) {
    RemoveLeftoverTemporaryFiles(target);
    for (const char* folder :
         {"\\DB", "\\Scenarios", "\\Backup", "\\Backup\\Scenarios", "\\Config"})
        RemoveLeftoverTemporaryFiles(GamePath(target, folder));
}

// After a failure no closing text claims success: the question names what failed.
std::string FailureQuestion(const RunReport& report) {
    std::string text = "Some files could not be written:";
    for (const FileFailure& f : report.failed) text += "\r\n" + f.file;
    return text + "\r\nDo you want to quit ?";
}

const char* ClosingQuestion(GeneratorMode mode) {
    switch (mode) {
        case GeneratorMode::MapOnly:
            return "Map created succesfuly!\r\nDo you want to quit ?";
        case GeneratorMode::ScenarioOnly:
            return "Scenario created succesfuly! (Original map is restored)\r\nDo you want to quit "
                   "?";
        default:
            return "Scenario created succesfuly!\r\nDo you want to quit ?";
    }
}
}  // namespace

RunReport GenerateWorld(World& world, RandomSource& random, Dialogs& userDialogs,
                        const RunHooks& hooks) {
    RunReport report;
    ReportingDialogs dialogs(userDialogs, report);
    const TGeneratorSettings& s = world.Settings;
    const GeneratorMode mode = ModeOf(s.GeneratorMode);
    const bool drawsMap = mode != GeneratorMode::ScenarioOnly;
    const bool writesEverything = mode == GeneratorMode::MapAndScenario;

    // The files land in the game folder, or in the folder of --out, which the run then holds
    // while the game folder is only read. One run at a time in the folder written.
    const bool inGameFolder = hooks.outFolder.empty();
    const std::string& target = inGameFolder ? world.ProgramFolder : hooks.outFolder;
    const FolderUse use(target, dialogs, hooks.folder);
    if (!use) {
        report.refused = true;
        return report;
    }
    RemoveLeftovers(target);

    // Inputs the run cannot use soundly, and settings under which the nation steps could
    // never end, are refused before anything is drawn or written.
    if (!CheckRunInputs(world, dialogs) || !CheckRunSettings(world, dialogs)) {
        report.refused = true;
        return report;
    }

    // The keeping copies of the originals that no run has replaced yet, so that every one of
    // them can be brought back (the diplomatic matrix, which no run writes, among them).
    OperationReport completion;
    if (inGameFolder) CompleteBackup(world.ProgramFolder, true, completion);

    dialogs.Progress(RunProgress::Start);
    RunFiles files;
    FolderSteps folder(dialogs, report, files);
    DrawWorld(world, random, dialogs, folder);

    if (hooks.preview) hooks.preview(world);
    if (s.EditorEnabled && hooks.mapEditor && !hooks.mapEditor(world)) {
        dialogs.Progress(RunProgress::Start);
        LoadSettings(world, dialogs, false);
        report.end = RunEnd::Aborted;
        return report;
    }

    if (drawsMap) AddProvinceTable(world, dialogs, files, &report);
    dialogs.Progress(RunProgress::ProvinceTableWritten);
    bool fixedCountryFound = true;
    if (writesEverything) {
        DrawPolicies(world, random);
        fixedCountryFound = AddCountryTable(world, dialogs, files);
    }
    if (mode == GeneratorMode::ScenarioOnly)
        AddBackedUpProvinceTable(world, dialogs, files, report);

    // The run's files land together, or none of them when any could not be made or breaks a
    // rule of the game's files.
    if (report.failed.empty())
        CheckOwnOutput(world, hooks, SeedOf(random), files, target, dialogs, report);
    if (report.failed.empty() && inGameFolder) {
        MakeDatabaseWritable(world);
        files.Commit(world.ProgramFolder, {}, dialogs, report);
    } else if (report.failed.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(PathOf(GamePath(target, "\\DB")), ec);
        if (mode != GeneratorMode::MapOnly)
            std::filesystem::create_directories(PathOf(GamePath(target, "\\Scenarios")), ec);
        files.Commit(target, {.keepOriginals = false}, dialogs, report);
    }
    if (!fixedCountryFound) dialogs.Error("File TQ3GenerFixedCountry.csv not found");
    dialogs.Progress(RunProgress::Done);

    const std::string question =
        report.failed.empty() ? ClosingQuestion(mode) : FailureQuestion(report);
    if (dialogs.Confirm(question, Buttons::OkCancel) == Answer::Ok) {
        report.end = RunEnd::Quit;
        return report;
    }
    dialogs.Progress(RunProgress::Start);
    LoadSettings(world, dialogs, false);
    report.end = RunEnd::Stay;
    return report;
}

}  // namespace tq3
