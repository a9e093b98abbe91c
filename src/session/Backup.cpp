#include "session/Backup.h"

#include <filesystem>
#include <vector>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "base/WriteTarget.h"
#include "output/ScenarioFile.h"
#include "session/FolderOperation.h"
#include "session/FolderTransaction.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
std::string Db(const World& world, const std::string& name) {
    return GamePath(world.ProgramFolder, GameFiles::DatabaseFolder + name);
}
std::string Backup(const World& world, const std::string& name) {
    return GamePath(world.ProgramFolder, GameFiles::BackupFolder + name);
}
std::string DbPath(const std::string& name) {
    return GameFiles::DatabaseFolder + name;
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
    return RunFolderOperation(
        world.ProgramFolder, userDialogs, hold, [&](Dialogs& dialogs, OperationReport& report) {
            FolderTransaction copies(world.ProgramFolder);
            const std::string backup = GamePath(world.ProgramFolder, "\\Backup");
            if (FolderExists(backup)) {
                copies.CompleteBackup(false);
                copies.Commit(dialogs, report);
                return;
            }
            const Answer answer = dialogs.Confirm(
                "Welcome to TQ3 Scenario Generator.\r\nDo you want to backup original files:\r\n"
                "Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, Goods.csv and "
                "tax_stab.csv?",
                Buttons::YesNo);
            if (answer != Answer::Yes) return;
            std::error_code ec;
            if (!fs::create_directory(PathOf(backup), ec) || ec) {
                dialogs.Error("Cannot create the backup folder \"" + AbsolutePath(backup) +
                              "\": " + ec.message() + ". The original files were not backed up.");
                return;
            }
            copies.CompleteBackup(false);
            if (!copies.Commit(dialogs, report)) {
                dialogs.Error("These original files could not be copied to \"" +
                              AbsolutePath(backup) + "\": " + FailedList(report));
                return;
            }
            // The folder as it is really spelled, with this system's separator.
            dialogs.Info("Original files were stored in " + AbsolutePath(backup) + " directory.");
        });
}

namespace {
// Adds the copies that put the game's originals back: the six database files from Backup/
// (a file without a keeping copy was never replaced by a run: DB/ holds its original, which
// the backup takes now) and the game's own scenarios that runs replaced.
void AddRestoreCopies(const World& world, FolderTransaction& restore, OperationReport& report) {
    const std::string backup = GamePath(world.ProgramFolder, "\\Backup");
    const bool backedUp = FolderExists(backup);
    for (const char* name : GameFiles::DatabaseFiles) {
        if (FileExists(Backup(world, name)))
            restore.AddCopy(DbPath(name), Backup(world, name), report);
        else if (!backedUp || !FileExists(Db(world, name)))
            report.failed.push_back({AbsolutePath(Db(world, name)),
                                     "no backup of it in \"" + AbsolutePath(backup) + "\""});
    }
    restore.CompleteBackup(false);
    std::error_code ec;
    const std::string scenarios = GamePath(world.ProgramFolder, "\\Backup\\Scenarios");
    for (const auto& entry : fs::directory_iterator(PathOf(scenarios), ec)) {
        const std::string name = NameOf(entry.path().filename());
        if (name.empty() || name.front() == '.' || !entry.is_regular_file(ec)) continue;
        restore.AddCopy(GameFiles::ScenarioFolder + name, NameOf(entry.path()), report);
    }
}
}  // namespace

OperationReport RestoreGameFiles(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    return RunFolderOperation(
        world.ProgramFolder, userDialogs, hold, [&](Dialogs& dialogs, OperationReport& report) {
            FolderTransaction restore(world.ProgramFolder);
            AddRestoreCopies(world, restore, report);
            if (!restore.broken()) restore.Commit(dialogs, report);
            if (!report.failed.empty())
                dialogs.Error("These files could not be restored from \"" +
                              AbsolutePath(GamePath(world.ProgramFolder, "\\Backup")) +
                              "\": " + FailedList(report));
        });
}

std::string RestoreClosingQuestion(const OperationReport& restore) {
    if (restore.refused || !restore.failed.empty()) return {};
    return "Original files: Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, "
           "Goods.csv and tax_stab.csv were restored from backup\r\nDo you want to quit ?";
}

OperationReport RestoreForMapOnly(const World& world, Dialogs& userDialogs,
                                  const FolderHold& hold) {
    return RunFolderOperation(
        world.ProgramFolder, userDialogs, hold, [&](Dialogs& dialogs, OperationReport& report) {
            FolderTransaction restore(world.ProgramFolder);
            for (const char* name : {"DiplomaticMatrix.csv", "Country.csv", "Revolt.txt"})
                restore.AddCopy(DbPath(name), Backup(world, name), report);
            if (!restore.broken()) restore.Commit(dialogs, report);
            if (!report.failed.empty())
                dialogs.Error("These files could not be restored from \"" +
                              AbsolutePath(GamePath(world.ProgramFolder, "\\Backup")) +
                              "\": " + FailedList(report));
        });
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

// The copy of a scenario and the six database files into the chosen folder, made through
// that folder's own journal: a copy killed half-way is finished by the next one, which
// removes what it staged and never named.
void CopyScenarioOut(const World& world, const std::string& folder, Dialogs& dialogs,
                     OperationReport& report) {
    const JournalOutcome journal = FinishJournal(folder, JournalFolder::Copy);
    if (journal.found && !journal.finished && !journal.refused) {
        dialogs.Error("A copy into \"" + AbsolutePath(folder) +
                      "\" was cut short and cannot be "
                      "finished: " +
                      journal.error + ". Nothing was copied.");
        report.refused = true;
        return;
    }
    RemoveLeftoverTemporaryFiles(folder);
    FolderTransaction copy(folder, JournalFolder::Copy);
    const std::string scenario = ScenarioName(world);
    const std::string own = GamePath(world.ProgramFolder, GameFiles::ScenarioFolder + scenario);
    const std::string fallback = GamePath(
        world.ProgramFolder, std::string(GameFiles::ScenarioFolder) + GameFiles::DefaultScenario);
    // Without a scenario the database files are copied all the same; the missing one is named.
    if (FileExists(own))
        copy.AddCopy("\\" + scenario, own, report);
    else if (FileExists(fallback))
        copy.AddCopy(std::string("\\") + GameFiles::DefaultScenario, fallback, report);
    else
        report.failed.push_back({AbsolutePath(InFolder(folder, scenario)),
                                 "File: \"" + AbsolutePath(own) + "\" does not exist!"});
    for (const char* name : GameFiles::DatabaseFiles)
        copy.AddCopy(std::string("\\") + name, Db(world, name), report);
    if (!copy.broken()) copy.Commit(dialogs, report);
}
}  // namespace

OperationReport BackupScenario(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    return RunFolderOperation(
        world.ProgramFolder, userDialogs, hold, [&](Dialogs& dialogs, OperationReport& report) {
            const auto folder = ChosenCopyFolder(world, dialogs, true, report);
            if (!folder) return;
            std::error_code ec;
            fs::create_directories(PathOf(*folder), ec);
            CopyScenarioOut(world, *folder, dialogs, report);
            if (!report.failed.empty())
                dialogs.Error("These files could not be copied to \"" + AbsolutePath(*folder) +
                              "\": " + FailedList(report));
        });
}

OperationReport RestoreScenario(const World& world, Dialogs& userDialogs, const FolderHold& hold) {
    return RunFolderOperation(
        world.ProgramFolder, userDialogs, hold, [&](Dialogs& dialogs, OperationReport& report) {
            const auto folder = ChosenCopyFolder(world, dialogs, false, report);
            if (!folder) return;
            // The scenario of ScenarioFileName, else Random.tqg.
            std::string scenario = ScenarioName(world);
            if (!FileExists(InFolder(*folder, scenario))) scenario = GameFiles::DefaultScenario;
            if (!FileExists(InFolder(*folder, scenario))) {
                dialogs.Error("No scenario found in: " + *folder + " or TQ3 is running!");
                return;
            }
            // The game's originals (its database files, a scenario of its own) are kept first.
            FolderTransaction restore(world.ProgramFolder);
            restore.KeepOriginals();
            restore.AddCopy(GameFiles::ScenarioFolder + scenario, InFolder(*folder, scenario),
                            report);
            for (const char* name : GameFiles::DatabaseFiles)
                restore.AddCopy(DbPath(name), InFolder(*folder, name), report);
            if (!restore.broken()) restore.Commit(dialogs, report);
            if (!report.failed.empty())
                dialogs.Error("These files could not be restored from \"" + AbsolutePath(*folder) +
                              "\": " + FailedList(report));
        });
}

}  // namespace tq3
