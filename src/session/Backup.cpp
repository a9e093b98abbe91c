#include "session/Backup.h"

#include <filesystem>
#include <vector>

#include "base/FileCopy.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/WriteTarget.h"
#include "output/ScenarioFile.h"
#include "session/GameFileWrites.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
const std::vector<const char*> kDatabaseFiles = {"Province.csv", "DiplomaticMatrix.csv",
                                                 "Country.csv",  "Revolt.txt",
                                                 "tax_stab.csv", "Goods.csv"};
constexpr const auto& kBackupOrder = GameFiles::BackupOrder;

std::string Db(const World& world, const std::string& name) {
    return GamePath(world.ProgramFolder, GameFiles::DatabaseFolder + name);
}
std::string Backup(const World& world, const std::string& name) {
    return GamePath(world.ProgramFolder, GameFiles::BackupFolder + name);
}

// Copies a file and records the outcome: the target as written, or as failed with the
// system's reason.
bool Copy(const std::string& from, const std::string& to, bool overwrite, OperationReport& report) {
    std::string reason;
    if (CopyWholeFile(from, to, overwrite, &reason)) {
        report.written.push_back(AbsolutePath(to));
        return true;
    }
    report.failed.push_back({AbsolutePath(to), reason});
    return false;
}

// Copies DB\name to Backup\name unless the backup exists; a missing source is skipped.
// Gives false only when an existing source could not be copied.
bool KeepingCopy(const World& world, const char* name, OperationReport& report) {
    if (!FileExists(Db(world, name)) || FileExists(Backup(world, name))) return true;
    return Copy(Db(world, name), Backup(world, name), false, report);
}

void AddName(std::string& list, const std::string& name) {
    list += (list.empty() ? "" : ", ") + name;
}

// The names of the failed files, each with its reason.
std::string FailedList(const OperationReport& report) {
    std::string list;
    for (const FileFailure& f : report.failed)
        AddName(list, NameOf(PathOf(f.file).filename()) +
                          (f.reason.empty() ? "" : " (" + f.reason + ")"));
    return list;
}

// A file of a user's folder, matched without regard to case like the game's own.
std::string InFolder(const std::string& folder, const std::string& name) {
    return GamePath(folder, "\\" + name);
}

std::string ScenarioName(const World& world) {
    return world.Settings.ScenarioFileName + ".tqg";
}

// A folder inside the game folder's own Backup/, DB/, Config/ or Scenarios/, or one of
// tq3gen's own names, neither takes nor gives a scenario copy.
bool CopyFolderIsOutside(const World& world, const std::string& folder, Dialogs& dialogs) {
    const std::string why =
        WriteTargetProblem(TargetKind::ScenarioCopy, world.ProgramFolder, folder);
    if (!why.empty()) dialogs.Error(why);
    return why.empty();
}

// A scenario name that would leave its folder is refused before anything is copied.
bool ScenarioNameIsPlain(const World& world, Dialogs& dialogs) {
    if (IsPlainScenarioFileName(world.Settings.ScenarioFileName)) return true;
    dialogs.Error("ScenarioFileName \"" + world.Settings.ScenarioFileName +
                  "\" is not a plain file name (no \"/\", \"\\\" or \"..\"): nothing is copied.");
    return false;
}
}  // namespace

OperationReport StartupBackup(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    const FolderUse folder(world.ProgramFolder, dialogs, hold);
    if (!folder) {
        report.refused = true;
        return report;
    }
    const std::string backup = GamePath(world.ProgramFolder, "\\Backup");
    if (FolderExists(backup)) {
        CompleteBackup(world.ProgramFolder, false, report);
        return report;
    }
    const Answer answer = dialogs.Confirm(
        "Welcome to TQ3 Scenario Generator.\r\nDo you want to backup original files:\r\n"
        "Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, Goods.csv and "
        "tax_stab.csv?",
        Buttons::YesNo);
    if (answer != Answer::Yes) return report;
    std::error_code ec;
    if (!fs::create_directory(PathOf(backup), ec) || ec) {
        dialogs.Error("Cannot create the backup folder \"" + AbsolutePath(backup) +
                      "\": " + ec.message() + ". The original files were not backed up.");
        return report;
    }
    for (const char* name : kBackupOrder) KeepingCopy(world, name, report);
    if (!report.failed.empty()) {
        dialogs.Error("These original files could not be copied to \"" + AbsolutePath(backup) +
                      "\": " + FailedList(report));
        return report;
    }
    // The folder as it is really spelled, with this system's separator.
    dialogs.Info("Original files were stored in " + AbsolutePath(backup) + " directory.");
    return report;
}

RestoreReport RestoreGameFiles(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    RestoreReport report;
    ReportingDialogs dialogs(userDialogs, report);
    const FolderUse folder(world.ProgramFolder, dialogs, hold);
    if (!folder) {
        report.refused = true;
        return report;
    }
    const std::string backup = GamePath(world.ProgramFolder, "\\Backup");
    const bool backedUp = FolderExists(backup);
    for (const char* name : kDatabaseFiles) {
        if (FileExists(Backup(world, name))) {
            Copy(Backup(world, name), Db(world, name), true, report);
        } else if (!backedUp || !FileExists(Db(world, name))) {
            report.failed.push_back({AbsolutePath(Db(world, name)),
                                     "no backup of it in \"" + AbsolutePath(backup) + "\""});
        }
        // A file without a keeping copy was never replaced by a run: DB/ holds its original,
        // which the backup takes now.
        else {
            KeepingCopy(world, name, report);
        }
    }
    // The game's own scenarios that runs replaced.
    std::error_code ec;
    const std::string scenarios = GamePath(world.ProgramFolder, "\\Backup\\Scenarios");
    for (const auto& entry : fs::directory_iterator(PathOf(scenarios), ec)) {
        const std::string name = NameOf(entry.path().filename());
        if (name.empty() || name.front() == '.' || !entry.is_regular_file(ec)) continue;
        Copy(NameOf(entry.path()), GamePath(world.ProgramFolder, GameFiles::ScenarioFolder + name),
             true, report);
    }
    if (!report.failed.empty()) {
        dialogs.Error("These files could not be restored from \"" + AbsolutePath(backup) +
                      "\": " + FailedList(report));
        return report;
    }
    report.quit =
        dialogs.Confirm(
            "Original files: Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, "
            "Goods.csv and tax_stab.csv were restored from backup\r\nDo you want to quit ?",
            Buttons::OkCancel) == Answer::Ok;
    return report;
}

OperationReport RestoreForMapOnly(const World& world, Dialogs& userDialogs,
                                  const FolderHold& hold) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    const FolderUse folder(world.ProgramFolder, dialogs, hold);
    if (!folder) {
        report.refused = true;
        return report;
    }
    for (const char* name : {"DiplomaticMatrix.csv", "Country.csv", "Revolt.txt"})
        Copy(Backup(world, name), Db(world, name), true, report);
    if (!report.failed.empty())
        dialogs.Error("These files could not be restored from \"" +
                      AbsolutePath(GamePath(world.ProgramFolder, "\\Backup")) +
                      "\": " + FailedList(report));
    return report;
}

namespace {
// The folder the user chose for a scenario copy (Scenarios/ offered first). Nothing when the
// user cancelled, or when the choice lies inside the game's own folders or the scenario's
// name is not plain: then the report says it was refused.
std::optional<std::string> ChosenCopyFolder(const World& world, Dialogs& dialogs, bool allowCreate,
                                            OperationReport& report) {
    auto folder = dialogs.ChooseFolder(GamePath(world.ProgramFolder, "\\Scenarios"), allowCreate);
    if (!folder) return {};
    if (!CopyFolderIsOutside(world, *folder, dialogs) || !ScenarioNameIsPlain(world, dialogs)) {
        report.refused = true;
        return {};
    }
    return folder;
}
}  // namespace

OperationReport BackupScenario(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    const FolderUse use(world.ProgramFolder, dialogs, hold);
    if (!use) {
        report.refused = true;
        return report;
    }
    const auto folder = ChosenCopyFolder(world, dialogs, true, report);
    if (!folder) return report;
    std::error_code ec;
    fs::create_directories(PathOf(*folder), ec);

    const std::string scenario = ScenarioName(world);
    OperationReport scenarioCopy;
    if (!Copy(GamePath(world.ProgramFolder, GameFiles::ScenarioFolder + scenario),
              InFolder(*folder, scenario), true, scenarioCopy) &&
        !Copy(GamePath(world.ProgramFolder,
                       std::string(GameFiles::ScenarioFolder) + GameFiles::DefaultScenario),
              InFolder(*folder, "Random.tqg"), true, scenarioCopy))
        report.failed.push_back(scenarioCopy.failed.front());
    else
        report.written.push_back(scenarioCopy.written.back());
    for (const char* name : kBackupOrder)
        Copy(Db(world, name), InFolder(*folder, name), true, report);
    if (!report.failed.empty())
        dialogs.Error("These files could not be copied to \"" + AbsolutePath(*folder) +
                      "\": " + FailedList(report));
    return report;
}

OperationReport RestoreScenario(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    const FolderUse use(world.ProgramFolder, dialogs, hold);
    if (!use) {
        report.refused = true;
        return report;
    }
    const auto folder = ChosenCopyFolder(world, dialogs, false, report);
    if (!folder) return report;

    // The scenario of ScenarioFileName, else Random.tqg; a copy that fails for another
    // reason than a missing file says that reason.
    const std::string scenario = ScenarioName(world);
    std::string from = InFolder(*folder, scenario);
    std::string to = GamePath(world.ProgramFolder, GameFiles::ScenarioFolder + scenario);
    if (!FileExists(from)) {
        from = InFolder(*folder, GameFiles::DefaultScenario);
        to = GamePath(world.ProgramFolder,
                      std::string(GameFiles::ScenarioFolder) + GameFiles::DefaultScenario);
    }
    if (!FileExists(from)) {
        dialogs.Error("No scenario found in: " + *folder + " or TQ3 is running!");
        return report;
    }
    if (!Copy(from, to, true, report)) {
        dialogs.Error("These files could not be restored from \"" + AbsolutePath(*folder) +
                      "\": " + FailedList(report));
        return report;
    }
    for (const char* name : kBackupOrder) {
        // The game's original goes to Backup/ first, unless it is there already.
        if (KeepOriginal(world.ProgramFolder, Db(world, name), dialogs, &report))
            Copy(InFolder(*folder, name), Db(world, name), true, report);
    }
    if (!report.failed.empty())
        dialogs.Error("These files could not be restored from \"" + AbsolutePath(*folder) +
                      "\": " + FailedList(report));
    return report;
}

}  // namespace tq3
