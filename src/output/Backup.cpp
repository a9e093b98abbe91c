#include "output/Backup.h"

#include <filesystem>

#include "config/GamePath.h"

namespace fs = std::filesystem;

namespace {
// Copies DB\name to Backup\name unless the backup exists; a missing source is skipped.
// Gives false only when an existing source could not be copied.
bool KeepingCopy(const World& world, const char* name) {
    const std::string from = GamePath(world.ProgramFolder, std::string("\\DB\\") + name);
    const std::string to = GamePath(world.ProgramFolder, std::string("\\Backup\\") + name);
    std::error_code ec;
    if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) return true;
    fs::copy_file(from, to, fs::copy_options::skip_existing, ec);
    return !ec;
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
    for (const char* name : {"DiplomaticMatrix.csv", "Province.csv", "Country.csv", "Revolt.txt",
                             "tax_stab.csv", "Goods.csv"})
        if (!KeepingCopy(world, name)) failed += std::string(failed.empty() ? "" : ", ") + name;
    if (!failed.empty()) {
        dialogs.Error("These original files could not be copied to \"" + AbsolutePath(backup) +
                      "\": " + failed);
        return;
    }
    dialogs.Info("Original files were stored in " + world.ProgramFolder + "\\BACKUP directory.");
}
