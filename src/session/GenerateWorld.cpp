#include "session/GenerateWorld.h"

#include <sys/stat.h>

#include <string>

#include "base/FileCopy.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"
#include "config/Adjacency.h"
#include "config/ProvinceTemplate.h"
#include "config/SettingsFile.h"
#include "engine/Climate.h"
#include "engine/Expansion.h"
#include "engine/Goods.h"
#include "engine/Majors.h"
#include "engine/Placement.h"
#include "engine/ProvinceValues.h"
#include "engine/Religions.h"
#include "engine/RunChecks.h"
#include "engine/RunProgress.h"
#include "engine/Terrain.h"
#include "session/FolderLock.h"
#include "session/GameFileWrites.h"
#include "session/RunInputs.h"

namespace tq3 {

namespace {
// Clears the read-only flag (the owner's missing write permission) of the six database
// files; a missing file or a failure is ignored.
void MakeDatabaseWritable(const World& world) {
    for (const char* name : GameFiles::DatabaseFiles) {
        const std::string path =
            GamePath(world.ProgramFolder, std::string(GameFiles::DatabaseFolder) + name);
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0)
            ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);
    }
}

// Lists every province number followed by a blank, when the world is explored.
void BuildExploredWorldList(World& world) {
    world.ExploredWorldList.clear();
    if (!world.Settings.WorldIsExplored) return;
    for (int p = 1; p <= world.ProvinceCount(); ++p)
        world.ExploredWorldList += std::to_string(p) + " ";
}

// Gives the protected regions back their template rows (DontChangeEurope, DontChangeAsia).
void RestoreProtectedRegions(World& world, Dialogs& dialogs) {
    const bool europe = world.Settings.DontChangeEurope;
    const bool asia = world.Settings.DontChangeAsia;
    if (europe || asia) LoadProvinceTemplate(world, dialogs, europe, asia);
}

// Scenario-only mode puts the game's own province table back from the backup.
void RestoreBackedUpProvinceTable(const World& world, Dialogs& dialogs, RunReport& report) {
    const std::string from =
        GamePath(world.ProgramFolder, std::string(GameFiles::BackupFolder) + "Province.csv");
    const std::string to =
        GamePath(world.ProgramFolder, std::string(GameFiles::DatabaseFolder) + "Province.csv");
    if (CopyWholeFile(from, to, true)) {
        report.written.push_back(AbsolutePath(to));
        return;
    }
    const std::string message = "Cannot restore the original province table: copying \"" +
                                AbsolutePath(from) + "\" to \"" + AbsolutePath(to) + "\" failed.";
    dialogs.Error(message);
    report.failed.push_back({AbsolutePath(to), message});
}

// Removes what an interrupted run may have left: temporary files of whole-file writes.
void RemoveLeftovers(const World& world) {
    for (const char* folder : {"\\DB", "\\Scenarios", "\\Backup", "\\Config"})
        RemoveLeftoverTemporaryFiles(GamePath(world.ProgramFolder, folder));
}

// After a failure no closing text claims success: the question names what failed.
std::string FailureQuestion(const RunReport& report) {
    std::string text = "Some files could not be written:";
    for (const FileFailure& f : report.failed) text += "\r\n" + f.file;
    return text + "\r\nDo you want to quit ?";
}

const char* ClosingQuestion(int mode) {
    switch (mode) {
        case GeneratorModes::MapOnly:
            return "Map created succesfuly!\r\nDo you want to quit ?";
        case GeneratorModes::ScenarioOnly:
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
    const int mode = s.GeneratorMode;
    const bool drawsMap = mode != GeneratorModes::ScenarioOnly;
    const bool drawsNations = mode != GeneratorModes::MapOnly;
    const bool writesEverything = mode == GeneratorModes::MapAndScenario;

    // One run at a time in a game folder.
    const std::unique_ptr<FolderLock> lock = FolderLock::Take(world.ProgramFolder, dialogs);
    if (!lock) {
        report.end = RunEnd::Refused;
        return report;
    }
    RemoveLeftovers(world);

    // Inputs the run cannot use soundly, and settings under which the nation steps could
    // never end, are refused before anything is drawn or written.
    if (!CheckRunInputs(world, dialogs) || !CheckRunSettings(world, dialogs)) {
        report.end = RunEnd::Refused;
        return report;
    }

    dialogs.Progress(RunProgress::Start);
    MakeDatabaseWritable(world);
    random.Randomize();

    // Map steps.
    if (drawsMap) {
        GenerateClimate(world, random);
        dialogs.Progress(RunProgress::Climate);
        GenerateTerrain(world, random);
        GenerateProvinceValues(world, random);
    }
    dialogs.Progress(RunProgress::MapDrawn);
    if (drawsMap) GenerateGoods(world, random);
    if (writesEverything) {
        WriteGoodsTable(world, random, dialogs, &report);
        WriteTaxStabilityTable(world, dialogs, &report);
    }
    dialogs.Progress(RunProgress::TablesWritten);

    // Nation steps, on the placement adjacency while nations are placed and grown.
    if (drawsNations) {
        GenerateReligions(world, random);
        BuildExploredWorldList(world);
        SelectMajors(world, random);
        random.Randomize();
        dialogs.Progress(RunProgress::NationsChosen);
        LoadAdjacency(world, dialogs, false);
        if (s.RandomStartLoc > 0) PlaceNations(world, random);
        ExpandNations(world);
        LoadAdjacency(world, dialogs, true);
        ApplyNationFaith(world);
    }

    if (drawsMap) {
        GenerateManpowerIncome(world, random);
        RestoreProtectedRegions(world, dialogs);
    }
    dialogs.Progress(RunProgress::NationsPlaced);

    world.CentresOfTrade = {};
    if (drawsNations) {
        WriteScenarioFile(world, random, dialogs, &report);
        dialogs.Progress(RunProgress::ScenarioWritten);
        WriteRevoltTable(world, dialogs, &report);
    }
    dialogs.Progress(RunProgress::ReadyForPreview);

    if (hooks.preview) hooks.preview(world);
    if (s.EditorEnabled && hooks.mapEditor && !hooks.mapEditor(world)) {
        dialogs.Progress(RunProgress::Start);
        LoadSettings(world, dialogs, false);
        report.end = RunEnd::Aborted;
        return report;
    }

    if (drawsMap) WriteProvinceTable(world, dialogs, &report);
    dialogs.Progress(RunProgress::ProvinceTableWritten);
    if (writesEverything) WriteCountryTable(world, random, dialogs, &report);
    if (mode == GeneratorModes::ScenarioOnly) RestoreBackedUpProvinceTable(world, dialogs, report);
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
