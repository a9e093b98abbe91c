#include <malloc.h>
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/ReplayCommand.h"
#include "cli/SweepCommand.h"

using namespace tq3;

namespace {
constexpr int KeepFreedMemory = 128 << 20;  // bytes
constexpr int UsageError = 2;

// No subcommand: the window, tq3gen-gui from this program's folder, on the same folder.
int StartWindow(const std::string& gameDir, const CLI::App& app) {
    const std::string gui = ExecutableFolder() + "/tq3gen-gui";
    std::vector<std::string> args = {gui};
    if (!gameDir.empty()) args.insert(args.end(), {"--game-dir", gameDir});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(gui.c_str(), argv.data());
    std::cerr << "tq3gen: cannot start the window " << gui << ": " << std::strerror(errno)
              << "\nUse a subcommand for headless work.\n\n"
              << app.help();
    return UsageError;
}
}  // namespace

int main(int argc, char** argv) {
    // Freed memory stays with the process: each file's text (a few hundred KB) is then built
    // in pages already mapped instead of in fresh ones that the kernel must fault in and zero.
    mallopt(M_MMAP_THRESHOLD, KeepFreedMemory / 2);
    mallopt(M_TRIM_THRESHOLD, KeepFreedMemory);
    CLI::App app{"tq3gen: random scenario generator for TQ3. Run a subcommand for headless work."};
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string("tq3gen ") + TQ3GEN_VERSION);
    std::string windowDir;
    app.add_option("--game-dir", windowDir,
                   "Game folder to open (default: the folder of this program).");

    const std::vector<Command> commands = {
        AddGenerateCommand(app), AddRenderCommand(app),         AddCheckCommand(app),
        AddRestoreCommand(app),  AddBackupScenarioCommand(app), AddRestoreScenarioCommand(app),
        AddSweepCommand(app),    AddReplayCommand(app),
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : UsageError;
    }
    for (const Command& command : commands)
        if (*command.app) return command.run();
    return StartWindow(windowDir, app);
}
