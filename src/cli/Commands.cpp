#include "cli/Commands.h"

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
#include "session/GameFolder.h"
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

    if (!IsGameFolder(world->ProgramFolder, dialogs)) return 1;
    StartupBackup(*world, dialogs);
    if (!LoadSettings(*world, dialogs, true)) return 1;
    // What `check` would find beyond the load is said here too.
    ReviewConfiguration(*world, dialogs);

    // --preview-dir: the map layers as the editor would show them, at the editor's point.
    RunHooks hooks;
    std::vector<std::string> pictures;
    if (options.previewDir) {
        hooks.preview = [&](const World& w) {
            const ExportReport exported = WriteLayerPngs(w, AbsolutePath(*options.previewDir));
            pictures = exported.written;
            for (const std::string& error : exported.errors) dialogs.Error(error);
        };
    }

    Random random(options.seed);
    const RunReport report = GenerateWorld(*world, random, dialogs, hooks);

    std::cout << "Seed: " << random.Seed() << "\n";
    for (const std::string& file : report.written) std::cout << "Wrote " << file << "\n";
    for (const std::string& file : pictures) std::cout << "Wrote " << file << "\n";
    if (report.end == RunEnd::Quit) std::cout << "\n" << DescribeWorld(*world);
    std::cout << std::flush;
    // Errors and problems of the start-up backup and the load count as much as the run's own.
    const bool failed = dialogs.errors() > 0 || dialogs.problems() > 0 || report.HasErrors() ||
                        report.end == RunEnd::Refused;
    return failed ? 1 : 0;
}

int RunCheck(const std::string& gameDir) {
    CliDialogs dialogs(std::cerr);
    auto world = std::make_unique<World>();
    world->ProgramFolder = GameFolder(gameDir);
    if (!IsGameFolder(world->ProgramFolder, dialogs)) return 1;
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
    if (!IsGameFolder(world->ProgramFolder, dialogs)) return 1;
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
    if (!IsGameFolder(world->ProgramFolder, dialogs)) return 1;
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
