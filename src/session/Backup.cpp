#include "session/Backup.h"

#include <filesystem>
#include <vector>

#include "base/FileCopy.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "output/ScenarioFile.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
const std::vector<const char*> kDatabaseFiles = {"Province.csv", "DiplomaticMatrix.csv",
                                                 "Country.csv",  "Revolt.txt",
                                                 "tax_stab.csv", "Goods.csv"};
// The order in which the backup and the scenario backup copy the database files.
const std::vector<const char*> kBackupOrder = {"DiplomaticMatrix.csv", "Province.csv",
                                               "Country.csv",          "Revolt.txt",
                                               "tax_stab.csv",         "Goods.csv"};

std::string Db(const World& world, const std::string& name) {
    return GamePath(world.ProgramFolder, GameFiles::DatabaseFolder + name);
}
std::string Backup(const World& world, const std::string& name) {
    return GamePath(world.ProgramFolder, GameFiles::BackupFolder + name);
}

// Copies DB\name to Backup\name unless the backup exists; a missing source is skipped.
// Gives false only when an existing source could not be copied.
bool KeepingCopy(const World& world, const char* name) {
    if (!FileExists(Db(world, name))) return true;
    return CopyWholeFile(Db(world, name), Backup(world, name), false);
}

void AddName(std::string& list, const std::string& name) {
    list += (list.empty() ? "" : ", ") + name;
}

// A file of a user's folder, matched without regard to case like the game's own.
std::string InFolder(const std::string& folder, const std::string& name) {
    return GamePath(folder, "\\" + name);
}

std::string ScenarioName(const World& world) {
    return world.Settings.ScenarioFileName + ".tqg";
}

// A scenario name that would leave its folder is refused before anything is copied.
bool ScenarioNameIsPlain(const World& world, Dialogs& dialogs) {
    if (IsPlainScenarioFileName(world.Settings.ScenarioFileName)) return true;
    dialogs.Error("ScenarioFileName \"" + world.Settings.ScenarioFileName +
                  "\" is not a plain file name (no \"/\", \"\\\" or \"..\"): nothing is copied.");
    return false;
}
}  // namespace

void StartupBackup(const World& world, Dialogs& dialogs) {
    const std::string backup = GamePath(world.ProgramFolder, "\\Backup");
    if (FolderExists(backup)) {
        for (const char* name : {"Revolt.txt", "tax_stab.csv", "Goods.csv"})
            KeepingCopy(world, name);
        return;
    }
    const Answer answer = dialogs.Confirm(
        "Welcome to TQ3 Scenario Generator.\r\nDo you want to backup original files:\r\n"
        "Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, Goods.csv and "
        "tax_stab.csv?",
        Buttons::YesNo);
    if (answer != Answer::Yes) return;
    std::error_code ec;
    if (!fs::create_directory(backup, ec) || ec) {
        dialogs.Error("Cannot create the backup folder \"" + AbsolutePath(backup) +
                      "\": " + ec.message() + ". The original files were not backed up.");
        return;
    }
    std::string failed;
    for (const char* name : kBackupOrder)
        if (!KeepingCopy(world, name)) AddName(failed, name);
    if (!failed.empty()) {
        dialogs.Error("These original files could not be copied to \"" + AbsolutePath(backup) +
                      "\": " + failed);
        return;
    }
    dialogs.Info("Original files were stored in " + world.ProgramFolder + "\\BACKUP directory.");
}

bool RestoreGameFiles(const World& world, Dialogs& dialogs) {
    std::string failed;
    for (const char* name : kDatabaseFiles)
        if (!CopyWholeFile(Backup(world, name), Db(world, name), true)) AddName(failed, name);
    if (!failed.empty()) {
        dialogs.Error("These files could not be restored from \"" +
                      AbsolutePath(GamePath(world.ProgramFolder, "\\Backup")) + "\": " + failed);
        return false;
    }
    return dialogs.Confirm(
               "Original files: Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, "
               "Goods.csv and tax_stab.csv were restored from backup\r\nDo you want to quit ?",
               Buttons::OkCancel) == Answer::Ok;
}

void RestoreForMapOnly(const World& world) {
    for (const char* name : {"DiplomaticMatrix.csv", "Country.csv", "Revolt.txt"})
        CopyWholeFile(Backup(world, name), Db(world, name), true);
}

void BackupScenario(const World& world, Dialogs& dialogs) {
    const auto folder = dialogs.ChooseFolder(GamePath(world.ProgramFolder, "\\Scenarios"), true);
    if (!folder) return;
    if (!ScenarioNameIsPlain(world, dialogs)) return;
    std::error_code ec;
    fs::create_directories(*folder, ec);

    std::string failed;
    const std::string scenario = ScenarioName(world);
    if (!CopyWholeFile(GamePath(world.ProgramFolder, GameFiles::ScenarioFolder + scenario),
                       InFolder(*folder, scenario), true) &&
        !CopyWholeFile(GamePath(world.ProgramFolder, std::string(GameFiles::ScenarioFolder) +
                                                         GameFiles::DefaultScenario),
                       InFolder(*folder, "Random.tqg"), true))
        AddName(failed, scenario);
    for (const char* name : kBackupOrder)
        if (!CopyWholeFile(Db(world, name), InFolder(*folder, name), true)) AddName(failed, name);
    if (!failed.empty())
        dialogs.Error("These files could not be copied to \"" + AbsolutePath(*folder) +
                      "\": " + failed);
}

void RestoreScenario(const World& world, Dialogs& dialogs) {
    const auto folder = dialogs.ChooseFolder(GamePath(world.ProgramFolder, "\\Scenarios"), false);
    if (!folder) return;
    if (!ScenarioNameIsPlain(world, dialogs)) return;

    const std::string scenario = ScenarioName(world);
    if (!CopyWholeFile(InFolder(*folder, scenario),
                       GamePath(world.ProgramFolder, GameFiles::ScenarioFolder + scenario), true) &&
        !CopyWholeFile(InFolder(*folder, "Random.tqg"),
                       GamePath(world.ProgramFolder, std::string(GameFiles::ScenarioFolder) +
                                                         GameFiles::DefaultScenario),
                       true)) {
        dialogs.Error("No scenario found in: " + *folder + " or TQ3 is running!");
        return;
    }
    std::string failed;
    for (const char* name : kBackupOrder)
        if (!CopyWholeFile(InFolder(*folder, name), Db(world, name), true)) AddName(failed, name);
    if (!failed.empty())
        dialogs.Error("These files could not be restored from \"" + AbsolutePath(*folder) +
                      "\": " + failed);
}

}  // namespace tq3
