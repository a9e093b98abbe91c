#include "cli/VerifyCommand.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "base/GamePath.h"
#include "cli/CliDialogs.h"
#include "cli/GameCommand.h"
#include "config/SettingsFile.h"
#include "session/GameFilesCheck.h"

namespace tq3 {

namespace {
struct VerifyOptions {
    std::string gameDir;
    bool json = false;
};

void PrintJson(const std::string& folder, const InstalledFilesCheck& check) {
    nlohmann::json out;
    out["folder"] = folder;
    out["files"] = check.checked;
    out["findings"] = nlohmann::json::array();
    for (const Finding& f : check.findings)
        out["findings"].push_back({{"file", f.file}, {"line", f.line}, {"text", f.text}});
    // The files' bytes are Windows-1252; a byte that is not UTF-8 is replaced, never fatal.
    std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

int RunVerify(const VerifyOptions& options) {
    GameCommand command;
    if (!command.Open(options.gameDir)) return 1;
    World& world = *command.world;
    CliDialogs& cli = command.cli;
    // The settings name the scenario and bound its values; problems of the configuration
    // are `check`'s to list, so only a load that stops is said.
    QuietDialogs quiet;
    if (LoadSettings(world, quiet, true).refused) {
        cli.Error(quiet.lastError.empty() ? "Cannot load the settings of " + world.ProgramFolder
                                          : quiet.lastError);
        return 1;
    }
    QuietDialogs unshown;
    const InstalledFilesCheck check =
        VerifyInstalledFiles(world, options.json ? static_cast<Dialogs&>(unshown) : cli);
    const std::string folder = AbsolutePath(world.ProgramFolder);
    if (options.json) {
        PrintJson(folder, check);
    } else if (check.findings.empty()) {
        std::cout << "No findings in the game files of " << folder << "\n";
    } else {
        const std::size_t n = check.findings.size();
        std::cout << n << (n == 1 ? " finding" : " findings") << " in the game files of " << folder
                  << "\n";
    }
    return check.findings.empty() ? 0 : 1;
}
}  // namespace

Command AddVerifyCommand(CLI::App& app) {
    auto options = std::make_shared<VerifyOptions>();
    CLI::App* command = app.add_subcommand(
        "verify",
        "Check the game files installed in the folder (DB/ and the scenario of the settings) "
        "and list every finding with file and line.");
    AddGameDirOption(*command, options->gameDir, "Config/, DB/ and Scenarios/");
    command->add_flag("--json", options->json, "List the findings as JSON on standard output.");
    return {command, [options] { return RunVerify(*options); }};
}

}  // namespace tq3
