#include <malloc.h>
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/RenderCommand.h"
#include "config/SettingsFile.h"

using namespace tq3;

namespace {
constexpr int KeepFreedMemory = 128 << 20;  // bytes
}

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

    GenerateOptions gen;
    std::vector<std::string> sets;
    int mode = -1;
    CLI::App* generate = app.add_subcommand(
        "generate",
        "Run one whole generation headless: backup, load, generate and write the game files.");
    generate->add_option(
        "--game-dir", gen.gameDir,
        "Game folder holding Config/, DB/ and Scenarios/ (default: the folder of this program).");
    generate
        ->add_option("--mode", mode,
                     "Generator mode: 0 new map and scenario, 1 map only, 2 scenario only on the "
                     "game's map.")
        ->check(CLI::Range(0, 2));
    generate->add_option(
        "--seed", gen.seed,
        "Seed of the random source; the same seed and inputs give byte-identical files.");
    generate
        ->add_option(
            "--set", sets,
            "Override one setting of Config/TQ3Gener.csv, read as the file reads it (repeatable).")
        ->type_name("KEY=VALUE");
    generate->add_option("--preview-dir", gen.previewDir,
                         "Save the five map layers and the minimap as PNG into this folder at the "
                         "point where the map editor would open.");

    tq3::RenderOptions render;
    CLI::App* renderCommand = app.add_subcommand(
        "render", "Draw the world as loaded, as the map window shows it, into a PNG file.");
    renderCommand->add_option(
        "--game-dir", render.gameDir,
        "Game folder holding Config/, DB/ and Scenarios/ (default: the folder of this program).");
    renderCommand
        ->add_option("--layer", render.layer,
                     "Layer to draw: terrain, climate, goods, religion, political, or all (one "
                     "file per layer, named FILE-terrain.png and so on).")
        ->required()
        ->check(CLI::IsMember({"terrain", "climate", "goods", "religion", "political", "all"}));
    renderCommand->add_option("--out", render.out, "The PNG file to write.")->required();

    std::string checkDir;
    CLI::App* check = app.add_subcommand(
        "check", "Load the whole configuration and list every problem found, with file and line.");
    check->add_option(
        "--game-dir", checkDir,
        "Game folder holding Config/, DB/ and Scenarios/ (default: the folder of this program).");

    std::string restoreDir;
    CLI::App* restore = app.add_subcommand(
        "restore",
        "Put the game's original database files back from Backup/ (\"Restore orig. files\").");
    restore->add_option(
        "--game-dir", restoreDir,
        "Game folder holding DB/ and Backup/ (default: the folder of this program).");

    std::string backupDir, backupTo;
    CLI::App* backupScenario = app.add_subcommand(
        "backup-scenario", "Copy the generated scenario and its six database files to a folder.");
    backupScenario->add_option("--game-dir", backupDir,
                               "Game folder (default: the folder of this program).");
    backupScenario->add_option("--to", backupTo, "Folder to copy to; it is created when missing.")
        ->required();

    std::string restoreScenarioDir, restoreFrom;
    CLI::App* restoreScenario = app.add_subcommand(
        "restore-scenario",
        "Copy a backed-up scenario and its six database files back into the game.");
    restoreScenario->add_option("--game-dir", restoreScenarioDir,
                                "Game folder (default: the folder of this program).");
    restoreScenario->add_option("--from", restoreFrom, "Folder that holds the backed-up scenario.")
        ->required()
        ->check(CLI::ExistingDirectory);

    try {
        app.parse(argc, argv);
        for (const std::string& s : sets) {
            const std::size_t eq = s.find('=');
            const std::string key = s.substr(0, eq);
            if (eq == std::string::npos || key.empty())
                throw CLI::ValidationError("--set", "expected KEY=VALUE, got \"" + s + "\"");
            const std::string value = s.substr(eq + 1);
            if (value.find_first_of("\r\n") != std::string::npos)
                throw CLI::ValidationError("--set", "the value of " + key + " holds a line break");
            if (!IsSettingKey(key))
                throw CLI::ValidationError("--set", "\"" + key + "\" is not a key of TQ3Gener.csv");
            gen.settings.emplace_back(key, value);
        }
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (mode >= 0) gen.mode = mode;

    if (*generate) return RunGenerate(gen);
    if (*renderCommand) return tq3::RunRender(render);
    if (*check) return RunCheck(checkDir);
    if (*restore) return RunRestore(restoreDir);
    if (*backupScenario) return RunBackupScenario(backupDir, backupTo);
    if (*restoreScenario) return RunRestoreScenario(restoreScenarioDir, restoreFrom);

    // No subcommand: the window, tq3gen-gui from this program's folder, on the same folder.
    const std::string gui = ExecutableFolder() + "/tq3gen-gui";
    std::vector<std::string> args = {gui};
    if (!windowDir.empty()) args.insert(args.end(), {"--game-dir", windowDir});
    std::vector<char*> argvGui;
    for (std::string& a : args) argvGui.push_back(a.data());
    argvGui.push_back(nullptr);
    ::execv(gui.c_str(), argvGui.data());
    std::cerr << "tq3gen: cannot start the window " << gui << ": " << std::strerror(errno)
              << "\nUse a subcommand for headless work.\n\n"
              << app.help();
    return 2;
}
