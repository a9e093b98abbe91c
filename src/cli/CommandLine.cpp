#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/PresetCommand.h"
#include "cli/ReplayCommand.h"
#include "cli/SweepCommand.h"
#include "cli/VerifyCommand.h"

namespace tq3 {

namespace {
constexpr int KeepFreedMemory = 128 << 20;  // bytes
constexpr int UsageError = 2;

// No subcommand: the window, tq3gen-gui from this program's folder, on the same folder.
int StartWindow(const std::string& gameDir, const CLI::App& app) {
    const std::string gui = ProgramBeside("tq3gen-gui");
    std::vector<std::string> args = {gui};
    if (!gameDir.empty()) args.insert(args.end(), {"--game-dir", gameDir});
    std::string reason;
    RunInstead(gui, args, reason);
    std::cerr << "tq3gen: cannot start the window " << gui << ": " << reason
              << "\nUse a subcommand for headless work.\n\n"
              << app.help();
    return UsageError;
}

int RunCommandLine(int argc, char** argv, const CommandSeams& seams) {
    // Freed memory stays with the process: each file's text (a few hundred KB) is then built
    // in pages already mapped instead of in fresh ones that the kernel must fault in and zero.
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, KeepFreedMemory / 2);
    mallopt(M_TRIM_THRESHOLD, KeepFreedMemory);
#endif
    PrepareConsole();
    // The arguments as the program's names and texts spell them (UTF-8 on Windows).
    std::vector<std::string> args = ProgramArguments(argc, argv);
    std::vector<char*> utf8Argv;
    for (std::string& a : args) utf8Argv.push_back(a.data());
    CLI::App app{"tq3gen: random scenario generator for TQ3. Run a subcommand for headless work."};
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string("tq3gen ") + TQ3GEN_VERSION);
    std::string windowDir;
    app.add_option("--game-dir", windowDir,
                   "Game folder to open (default: the folder of this program).");

    const std::vector<Command> commands = {
        AddGenerateCommand(app, seams), AddRenderCommand(app),
        AddCheckCommand(app),           AddRestoreCommand(app),
        AddBackupScenarioCommand(app),  AddRestoreScenarioCommand(app),
        AddSweepCommand(app),           AddReplayCommand(app),
        AddPresetsCommand(app),         AddVerifyCommand(app),
    };
    try {
        app.parse(static_cast<int>(utf8Argv.size()), utf8Argv.data());
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : UsageError;
    }
    for (const Command& command : commands)
        if (*command.app) return command.run();
    return StartWindow(windowDir, app);
}
}  // namespace

int ProgramMain(int argc, char** argv, const CommandSeams& seams) {
    // An error nothing below expected ends the command with its text and exit status 1.
    CliDialogs cli(std::cerr);
    try {
        return RunCommandLine(argc, argv, seams);
    } catch (const std::exception& e) {
        cli.Error(std::string("tq3gen stopped on an unexpected error: ") + e.what());
    } catch (...) {
        cli.Error("tq3gen stopped on an unexpected error of an unknown kind.");
    }
    return 1;
}

}  // namespace tq3
