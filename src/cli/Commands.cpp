#include "cli/Commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>

#include "base/GamePath.h"
#include "cli/CliDialogs.h"
#include "config/SettingsFile.h"
#include "render/LayerExport.h"
#include "session/Backup.h"
#include "session/ConfigCheck.h"
#include "session/GenerateWorld.h"
#include "session/WorldSummary.h"

namespace tq3 {

std::string GameFolder(const std::string& gameDir) {
    if (gameDir.empty()) return ExecutableFolder();
    // The program folder is absolute and has no trailing separator, as messages show it.
    std::string folder = AbsolutePath(gameDir);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

namespace {

// The game files a run may write, by their game paths.
std::vector<std::string> WrittenFileCandidates(const World& world) {
    std::vector<std::string> files;
    for (const char* rel : {"\\DB\\Goods.csv", "\\DB\\tax_stab.csv"})
        files.push_back(GamePath(world.ProgramFolder, rel));
    files.push_back(
        GamePath(world.ProgramFolder, "\\Scenarios\\" + world.Settings.ScenarioFileName + ".tqg"));
    for (const char* rel : {"\\DB\\Revolt.txt", "\\DB\\province.csv", "\\DB\\country.csv"})
        files.push_back(GamePath(world.ProgramFolder, rel));
    return files;
}

struct FileStamp {
    bool exists = false;
    ino_t inode = 0;
    timespec mtime{};
    off_t size = 0;
    bool operator==(const FileStamp& o) const {
        return exists == o.exists && inode == o.inode && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && size == o.size;
    }
};

FileStamp Stamp(const std::string& path) {
    FileStamp s;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return s;
    s.exists = true;
    s.inode = st.st_ino;
    s.mtime = st.st_mtim;
    s.size = st.st_size;
    return s;
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

int RunGenerate(const GenerateOptions& options) {
    CliDialogs dialogs(std::cerr);
    auto world = std::make_unique<World>();
    world->ProgramFolder = GameFolder(options.gameDir);
    // --mode first, then every --set in order, each read as the settings file would read it.
    if (options.mode)
        world->SettingOverrides.emplace_back("GeneratorMode", std::to_string(*options.mode));
    for (const auto& setting : options.settings) world->SettingOverrides.push_back(setting);

    StartupBackup(*world, dialogs);
    if (!LoadSettings(*world, dialogs, true)) return 1;

    std::vector<std::string> files = WrittenFileCandidates(*world);
    std::vector<FileStamp> before;
    for (const std::string& f : files) before.push_back(Stamp(f));

    // With --preview-dir the run stops where the map editor would open, saves the pictures
    // of the world as it stands there, and goes on as if the editor were closed with OK.
    RunHooks hooks;
    std::vector<std::string> pictures;
    if (!options.previewDir.empty()) {
        world->Settings.EditorEnabled = true;
        hooks.mapEditor = [&](World& w) {
            const ExportReport report = WriteLayerPngs(w, options.previewDir);
            for (const std::string& error : report.errors) dialogs.Error(error);
            pictures = report.written;
            return true;
        };
    }
    Random random(options.seed);
    const RunEnd end = GenerateWorld(*world, random, dialogs, hooks);

    std::cout << "Seed: " << random.Seed() << "\n";
    for (const std::string& picture : pictures) std::cout << "Wrote " << picture << "\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileStamp after = Stamp(files[i]);
        if (after.exists && !(after == before[i]))
            std::cout << "Wrote " << AbsolutePath(files[i]) << "\n";
    }
    if (end == RunEnd::Quit) std::cout << "\n" << DescribeWorld(*world);
    std::cout << std::flush;
    return dialogs.errors() > 0 || end == RunEnd::Refused ? 1 : 0;
}

int RunCheck(const std::string& gameDir) {
    CliDialogs dialogs(std::cerr);
    auto world = std::make_unique<World>();
    world->ProgramFolder = GameFolder(gameDir);
    CheckConfiguration(*world, dialogs);
    const int found = dialogs.problems() + dialogs.errors();
    if (found == 0) {
        std::cout << "No problems found in " << AbsolutePath(world->ProgramFolder) << "\n";
        return 0;
    }
    std::cout << found << (found == 1 ? " problem" : " problems") << " found in "
              << AbsolutePath(world->ProgramFolder) << "\n";
    return 1;
}

int RunRestore(const std::string& gameDir) {
    CliDialogs dialogs(std::cerr);
    auto world = std::make_unique<World>();
    world->ProgramFolder = GameFolder(gameDir);
    RestoreGameFiles(*world, dialogs);
    return dialogs.errors() > 0 ? 1 : 0;
}

namespace {
// Loads the settings (for ScenarioFileName) and runs one scenario copy with `folder` as the
// user's choice.
int RunScenarioCopy(const std::string& gameDir, const std::string& folder,
                    void (*copy)(const World&, Dialogs&)) {
    CliDialogs dialogs(std::cerr);
    auto world = std::make_unique<World>();
    world->ProgramFolder = GameFolder(gameDir);
    if (!LoadSettings(*world, dialogs, true)) return 1;
    dialogs.SetChosenFolder(AbsolutePath(folder));
    copy(*world, dialogs);
    return dialogs.errors() > 0 ? 1 : 0;
}
}  // namespace

int RunBackupScenario(const std::string& gameDir, const std::string& folder) {
    return RunScenarioCopy(gameDir, folder, &BackupScenario);
}

int RunRestoreScenario(const std::string& gameDir, const std::string& folder) {
    return RunScenarioCopy(gameDir, folder, &RestoreScenario);
}

}  // namespace tq3
