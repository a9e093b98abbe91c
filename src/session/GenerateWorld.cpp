#include "session/GenerateWorld.h"

#include <sys/stat.h>

#include <string>

#include "base/FileCopy.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
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
#include "engine/Terrain.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"

namespace tq3 {

namespace {
// Clears the read-only flag (the owner's missing write permission) of the six database
// files; a missing file or a failure is ignored.
void MakeDatabaseWritable(const World& world) {
    for (const char* rel :
         {"\\DB\\Province.csv", "\\DB\\Country.csv", "\\DB\\DiplomaticMatrix.csv",
          GameFiles::RevoltTable, GameFiles::GoodsTable, GameFiles::TaxStabilityTable}) {
        const std::string path = GamePath(world.ProgramFolder, rel);
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
void RestoreBackedUpProvinceTable(const World& world, Dialogs& dialogs) {
    const std::string from = GamePath(world.ProgramFolder, "\\Backup\\Province.csv");
    const std::string to = GamePath(world.ProgramFolder, "\\DB\\Province.csv");
    if (!CopyWholeFile(from, to, true))
        dialogs.Error("Cannot restore the original province table: copying \"" +
                      AbsolutePath(from) + "\" to \"" + AbsolutePath(to) + "\" failed.");
}

const char* ClosingQuestion(int mode) {
    switch (mode) {
        case 1:
            return "Map created succesfuly!\r\nDo you want to quit ?";
        case 2:
            return "Scenario created succesfuly! (Original map is restored)\r\nDo you want to quit "
                   "?";
        default:
            return "Scenario created succesfuly!\r\nDo you want to quit ?";
    }
}
}  // namespace

RunEnd GenerateWorld(World& world, RandomSource& random, Dialogs& dialogs, const RunHooks& hooks) {
    TGeneratorSettings& s = world.Settings;
    const int mode = s.GeneratorMode;

    // Settings under which the nation steps could never end are refused before anything.
    if (!CheckRunSettings(world, dialogs)) return RunEnd::Refused;

    dialogs.Progress(0);
    MakeDatabaseWritable(world);
    random.Randomize();

    // Map steps.
    if (mode != 2) {
        GenerateClimate(world, random);
        dialogs.Progress(1);
        GenerateTerrain(world, random);
        GenerateProvinceValues(world, random);
    }
    dialogs.Progress(2);
    if (mode != 2) GenerateGoods(world, random);
    if (mode == 0) {
        WriteGoodsTable(world, random, dialogs);
        WriteTaxStabilityTable(world, dialogs);
    }
    dialogs.Progress(3);

    // Nation steps, on the placement adjacency while nations are placed and grown.
    if (mode != 1) {
        GenerateReligions(world, random);
        BuildExploredWorldList(world);
        SelectMajors(world, random);
        random.Randomize();
        dialogs.Progress(4);
        LoadAdjacency(world, dialogs, false);
        if (s.RandomStartLoc > 0) PlaceNations(world, random);
        ExpandNations(world);
        LoadAdjacency(world, dialogs, true);
        ApplyNationFaith(world);
    }

    if (mode != 2) {
        GenerateManpowerIncome(world, random);
        RestoreProtectedRegions(world, dialogs);
    }
    dialogs.Progress(5);

    world.CentresOfTrade.clear();
    if (mode != 1) {
        world.CentresOfTrade = WriteScenarioFile(world, random, dialogs);
        dialogs.Progress(6);
        WriteRevoltTable(world, dialogs);
    }
    dialogs.Progress(7);

    if (s.EditorEnabled && hooks.mapEditor && !hooks.mapEditor(world)) {
        dialogs.Progress(0);
        LoadSettings(world, dialogs, false);
        return RunEnd::Aborted;
    }

    if (mode != 2) WriteProvinceTable(world, dialogs);
    dialogs.Progress(15);
    if (mode == 0) WriteCountryTable(world, random, dialogs);
    if (mode == 2) RestoreBackedUpProvinceTable(world, dialogs);
    dialogs.Progress(16);

    if (dialogs.Confirm(ClosingQuestion(mode), Buttons::OkCancel) == Answer::Ok)
        return RunEnd::Quit;
    dialogs.Progress(0);
    LoadSettings(world, dialogs, false);
    return RunEnd::Stay;
}

}  // namespace tq3
