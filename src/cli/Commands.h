#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"
#include "session/Rerolls.h"
#include "verify/GameFileVerifier.h"

namespace tq3 {

// A subcommand of tq3gen: its place in the parser, and what runs it once the command line
// is parsed (giving the exit status).
struct Command {
    CLI::App* app = nullptr;
    std::function<int()> run;
};

// What tests change in a run of the program built from this code, each where only a test can
// reach it: tq3gen itself leaves every one empty and has no option that fills them.
struct CommandSeams {
    // Changes the texts of a run's staged files before the run checks them, as a fault in a
    // writer would (the test program tq3gen-writer-fault).
    std::function<void(GameFileTexts&)> stagedFiles;
};

// What `generate` runs with; `replay` runs a recipe through it too.
struct GenerateOptions {
    std::string gameDir;
    int mode = -1;
    std::optional<uint64_t> seed;
    std::vector<std::string> sets;      // --set KEY=VALUE
    std::vector<std::string> rerolls;   // --reroll STEP=SEED
    std::optional<std::string> preset;  // --preset NAME|FILE, applied before --mode and --set
    std::optional<std::string> previewDir;
    std::optional<std::string> recipe;  // --recipe: where to write the run's recipe
    std::optional<std::string> outDir;  // --out: the folder that receives the run's files
    bool strict = false;
    bool noVerify = false;  // --no-verify: the run does not check its own files
    CommandSeams seams;     // a test program's only
};

// One whole headless run: the start-up backup, the load, the run with the map editor
// skipped, the seed, the files written and a summary of the world; the exit status.
int RunGenerate(const GenerateOptions& options);

// Each adds its subcommand with its options to `app`.
Command AddGenerateCommand(CLI::App& app, const CommandSeams& seams);
Command AddRenderCommand(CLI::App& app);
Command AddCheckCommand(CLI::App& app);
Command AddRestoreCommand(CLI::App& app);
Command AddBackupScenarioCommand(CLI::App& app);
Command AddRestoreScenarioCommand(CLI::App& app);

// The exit status of a command from what it did: 1 when it was refused, showed an error or
// failed to write a file, or (with --strict) showed a note; 0 otherwise.
int ExitStatus(const OperationReport& report, bool strict);

// --mode first, then every --set in order, as overrides of the settings file: each is read
// as the settings file would read that key. A mode below 0 means --mode was not given.
void AddSettingOverrides(World& world, int mode, const std::vector<std::string>& sets);

// The folder that holds the running executable.

// The game folder of --game-dir made absolute, or the executable's folder without it.
std::string GameFolder(const std::string& gameDir);

// Why a --set argument is not KEY=VALUE with a key of the settings file and a value on one
// line; empty when it is.
std::string CheckSetting(const std::string& s);

// Adds --reroll STEP=SEED (repeatable) to a subcommand; a text that is not one is a usage
// error.
void AddRerollOption(CLI::App& command, std::vector<std::string>& rerolls);
// The rerolls of every --reroll, in step order; a step named twice takes the last.
Rerolls RerollsOf(const std::vector<std::string>& texts);

// Adds --game-dir to a subcommand.
void AddGameDirOption(CLI::App& command, std::string& gameDir, const char* holding);

}  // namespace tq3
