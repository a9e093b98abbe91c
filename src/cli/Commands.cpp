#include "cli/Commands.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/WriteTarget.h"
#include "cli/CliDialogs.h"
#include "cli/GameCommand.h"
#include "cli/PresetCommand.h"
#include "config/SettingsFile.h"
#include "engine/GeneratorMode.h"
#include "render/LayerExport.h"
#include "session/Backup.h"
#include "session/ConfigCheck.h"
#include "session/FolderLock.h"
#include "session/GenerateWorld.h"
#include "session/Recipe.h"
#include "session/RecipeStore.h"
#include "session/RunClosing.h"
#include "session/WorldSummary.h"

namespace tq3 {

std::string GameFolder(const std::string& gameDir) {
    if (gameDir.empty()) return ExecutableFolder();
    // The program folder is absolute and has no trailing separator, as messages show it.
    std::string folder = AbsolutePath(gameDir);
    const auto separator = [](char c) {
        return c == '/' || c == static_cast<char>(std::filesystem::path::preferred_separator);
    };
    while (folder.size() > 1 && separator(folder.back()) &&
           PathOf(folder) != PathOf(folder).root_path())
        folder.pop_back();
    return folder;
}

int ExitStatus(const OperationReport& report, bool strict) {
    return report.HasErrors() || (strict && report.HasNotes()) ? 1 : 0;
}

void AddSettingOverrides(World& world, int mode, const std::vector<std::string>& sets) {
    if (mode >= 0) world.SettingOverrides.emplace_back("GeneratorMode", std::to_string(mode));
    for (const std::string& s : sets) {
        const std::size_t eq = s.find('=');
        world.SettingOverrides.emplace_back(s.substr(0, eq), s.substr(eq + 1));
    }
}

// --set takes KEY=VALUE, with a key of the settings file and a value on one line.
std::string CheckSetting(const std::string& s) {
    const std::size_t eq = s.find('=');
    const std::string key = s.substr(0, eq);
    if (eq == std::string::npos || key.empty()) return "expected KEY=VALUE, got \"" + s + "\"";
    if (s.find_first_of("\r\n", eq) != std::string::npos)
        return "the value of " + key + " holds a line break";
    if (!IsSettingKey(key)) return "\"" + key + "\" is not a key of TQ3Gener.csv";
    return {};
}

void AddRerollOption(CLI::App& command, std::vector<std::string>& rerolls) {
    std::string steps;
    for (const DrawStepName& n : DrawStepNames)
        steps += "\n  " + std::string(n.name) + ": " + n.layers;
    command
        .add_option("--reroll", rerolls,
                    "Draw one step of the run again from its own seed (repeatable); the steps "
                    "before it stay as the seed draws them, the steps after it draw their own "
                    "numbers as before. The steps, in the run's order:" +
                        steps)
        ->type_name("STEP=SEED")
        ->check(CLI::Validator(
            [](const std::string& text) {
                std::string why;
                return ParseReroll(text, why) ? std::string() : why;
            },
            "STEP=SEED"));
}

Rerolls RerollsOf(const std::vector<std::string>& texts) {
    Rerolls rerolls;
    std::string why;
    for (const std::string& text : texts)
        if (const std::optional<Reroll> r = ParseReroll(text, why)) SetReroll(rerolls, *r);
    return rerolls;
}

void AddGameDirOption(CLI::App& command, std::string& gameDir, const char* holding) {
    command.add_option(
        "--game-dir", gameDir,
        std::string("Game folder holding ") + holding + " (default: the folder of this program).");
}

namespace {
constexpr const char* StrictHelp =
    "Fail (exit status 1) on notes too, such as a missing key that takes its default.";

}  // namespace

namespace {
// Where --recipe, --preview-dir and --out point: each is checked before anything is written.
bool CheckRunTargets(const GenerateOptions& options, const World& world, Dialogs& dialogs,
                     RunHooks& hooks) {
    if (options.recipe) {
        std::string problem =
            WriteTargetProblem(TargetKind::Recipe, world.ProgramFolder, *options.recipe);
        const std::string folder =
            options.recipe->empty() ? std::string()
                                    : NameOf(PathOf(AbsolutePath(*options.recipe)).parent_path());
        if (problem.empty() &&
            (options.recipe->empty() || !FolderExists(folder) || !MayWrite(folder)))
            problem = "The recipe cannot be written to \"" + *options.recipe + "\": " +
                      (options.recipe->empty()
                           ? "no file is named"
                           : "the folder \"" + folder + "\" does not exist or cannot be written") +
                      ". Nothing was written.";
        if (!problem.empty()) {
            dialogs.Error(problem);
            return false;
        }
    }
    if (options.previewDir) {
        const std::string problem =
            WriteTargetProblem(TargetKind::PictureFolder, world.ProgramFolder, *options.previewDir);
        if (!problem.empty()) {
            dialogs.Error(problem);
            return false;
        }
    }
    if (!options.outDir) return true;
    hooks.outFolder = GameFolder(*options.outDir);
    hooks.folder.removeLockFile = true;
    const std::string problem =
        WriteTargetProblem(TargetKind::OutFolder, world.ProgramFolder, hooks.outFolder);
    std::error_code ec;
    if (problem.empty() &&
        (std::filesystem::create_directories(PathOf(hooks.outFolder), ec) || !ec))
        return true;
    dialogs.Error(problem.empty() ? "Cannot make the folder \"" + hooks.outFolder +
                                        "\": " + ec.message() + ". Nothing was written."
                                  : problem);
    return false;
}

// --preview-dir: the map layers as the editor would show them, at the editor's point.
void AddPreview(const GenerateOptions& options, Dialogs& dialogs, OperationReport& report,
                RunHooks& hooks, std::vector<std::string>& pictures) {
    if (!options.previewDir) return;
    hooks.preview = [&, dir = AbsolutePath(*options.previewDir)](const World& w) {
        const ExportReport exported = WriteLayerPngs(w, dir);
        pictures = exported.written;
        for (const FileFailure& f : exported.failed) dialogs.Error(f.reason);
        report.failed.insert(report.failed.end(), exported.failed.begin(), exported.failed.end());
    };
}

// After the run: the closing question (answered "quit"), the recipe kept as the last run's
// and where --recipe says, and what was written.
void FinishGenerate(const GenerateOptions& options, World& world, const RunReport& run,
                    const RecipeResult& recipe, uint64_t seed,
                    const std::vector<std::string>& pictures, Dialogs& dialogs,
                    OperationReport& report) {
    if (run.end == RunEnd::Finished)
        dialogs.Confirm(ClosingQuestion(world, run), Buttons::OkCancel);
    std::cout << "Seed: " << seed << "\n";
    for (const Reroll& r : RerollsOf(options.rerolls))
        std::cout << "Rerolled: " << RerollText(r) << "\n";
    for (const std::string& file : run.written) std::cout << "Wrote " << file << "\n";
    for (const std::string& file : pictures) std::cout << "Wrote " << file << "\n";
    if (RunWroteEverything(run)) {
        if (const std::string said = KeepRunRecipe(run, recipe); !said.empty()) dialogs.Info(said);
        if (recipe.recipe && options.recipe) {
            const std::string error = WriteRecipeFile(*recipe.recipe, *options.recipe);
            if (error.empty()) {
                std::cout << "Wrote " << AbsolutePath(*options.recipe) << "\n";
            } else {
                dialogs.Error(error);
                report.failed.push_back({AbsolutePath(*options.recipe), error});
            }
        }
    }
    if (run.end == RunEnd::Finished) std::cout << "\n" << DescribeWorld(world);
    std::cout << std::flush;
}
}  // namespace

int RunGenerate(const GenerateOptions& options) {
    GameCommand command;
    if (!command.Open(options.gameDir, options.previewDir.has_value()) ||
        !command.AddOverrides(options.preset, options.mode, options.sets))
        return 1;
    World& world = *command.world;
    CliDialogs& cli = command.cli;
    ReportingDialogs& dialogs = command.dialogs;
    OperationReport& report = command.report;
    RunHooks hooks;
    hooks.verify = !options.noVerify;
    hooks.staged = options.seams.stagedFiles;
    if (!CheckRunTargets(options, world, dialogs, hooks)) return 1;

    // The folder is held once for the whole command: the backup and the run. With --out the
    // game folder is only read: no lock, no start-up backup there.
    std::unique_ptr<FolderLock> lock;
    if (!options.outDir) {
        lock = FolderLock::Take(world.ProgramFolder, dialogs);
        if (!lock) return 1;
        hooks.folder = FolderHold{lock.get()};
        report.Add(StartupBackup(world, cli, hooks.folder));
    }
    if (!command.Load(true)) return 1;
    // Under --strict a note refuses the run before anything is written.
    if (options.strict && report.HasNotes()) {
        dialogs.Error("--strict: the notes above refuse the run. Nothing was written.");
        return 1;
    }
    std::vector<std::string> pictures;
    AddPreview(options, dialogs, report, hooks, pictures);

    hooks.rerolls = RerollsOf(options.rerolls);
    if (const std::string problem = RerollProblem(hooks.rerolls, world.Settings.GeneratorMode);
        !problem.empty()) {
        dialogs.Error(problem + " Nothing was written.");
        return 1;
    }

    // The recipe is made from the inputs as the run finds them, before anything is drawn.
    Random random(options.seed);
    const RecipeResult recipe = RecipeOfRun(world, random.Seed(), hooks.rerolls);
    if (!recipe.recipe && options.recipe) {
        dialogs.Error(recipe.error);
        return 1;
    }
    const RunReport run = GenerateWorld(world, random, cli, hooks);
    report.Add(run);
    FinishGenerate(options, world, run, recipe, random.Seed(), pictures, dialogs, report);
    return ExitStatus(report, options.strict);
}

namespace {
// Loads the whole configuration and lists every problem; 1 when there is any.
int RunCheck(const std::string& gameDir) {
    GameCommand command;
    if (!command.Open(gameDir)) return 1;
    const World& world = *command.world;
    OperationReport& report = command.report;
    report.Add(CheckConfiguration(*command.world, command.cli));
    const std::size_t found =
        report.Count(MessageKind::Note) + report.Count(MessageKind::Error) + report.failed.size();
    if (found == 0) {
        std::cout << "No problems found in " << AbsolutePath(world.ProgramFolder) << "\n";
        return 0;
    }
    std::cout << found << (found == 1 ? " problem" : " problems") << " found in "
              << AbsolutePath(world.ProgramFolder) << "\n";
    return 1;
}

// "Restore orig. files": the six database files back from Backup/.
int RunRestore(const std::string& gameDir) {
    GameCommand command;
    if (!command.Open(gameDir)) return 1;
    const OperationReport restored = RestoreGameFiles(*command.world, command.cli);
    command.report.Add(restored);
    // The closing question, answered "quit" as after a run.
    if (const std::string question = RestoreClosingQuestion(restored); !question.empty())
        command.cli.Confirm(question, Buttons::OkCancel);
    return ExitStatus(command.report, false);
}

// Loads the settings (for ScenarioFileName) and runs one scenario copy with `folder` as the
// user's choice.
int RunScenarioCopy(const std::string& gameDir, const std::string& folder,
                    OperationReport (*copy)(const World&, Dialogs&, const FolderHold&)) {
    GameCommand command;
    if (!command.Open(gameDir) || !command.Load(false)) return 1;
    command.cli.SetChosenFolder(AbsolutePath(folder));
    command.report.Add(copy(*command.world, command.cli, {}));
    return ExitStatus(command.report, false);
}
}  // namespace

Command AddGenerateCommand(CLI::App& app, const CommandSeams& seams) {
    auto options = std::make_shared<GenerateOptions>();
    options->seams = seams;
    CLI::App* command = app.add_subcommand(
        "generate",
        "Run one whole generation headless: backup, load, generate and write the game files.");
    AddGameDirOption(*command, options->gameDir, "Config/, DB/ and Scenarios/");
    command
        ->add_option("--mode", options->mode,
                     "Generator mode: 0 new map and scenario, 1 map only, 2 scenario only on the "
                     "game's map.")
        ->check(CLI::Range(0, GeneratorModeCount - 1));
    command->add_option(
        "--seed", options->seed,
        "Seed of the random source; the same seed and inputs give byte-identical files.");
    command
        ->add_option(
            "--set", options->sets,
            "Override one setting of Config/TQ3Gener.csv, read as the file reads it (repeatable).")
        ->type_name("KEY=VALUE")
        ->check(CLI::Validator(CheckSetting, "KEY=VALUE"));
    AddRerollOption(*command, options->rerolls);
    AddPresetOption(*command, options->preset);
    command->add_option("--preview-dir", options->previewDir,
                        "Save the five map layers and the minimap as PNG into this folder at the "
                        "point where the map editor would open.");
    command->add_option("--recipe", options->recipe,
                        "Write the run's recipe (seed, mode, changed settings and the hashes of "
                        "the files read) to this file, for `replay`.");
    command->add_option("--out", options->outDir,
                        "Write the run's files into this folder (DIR/DB/..., DIR/Scenarios/...) "
                        "and leave the game folder as it is.");
    command->add_flag("--strict", options->strict, StrictHelp);
    command->add_flag("--no-verify", options->noVerify,
                      "Do not check the run's own files against the rules of the game's files "
                      "before they replace anything.");
    return {command, [options] { return RunGenerate(*options); }};
}

Command AddCheckCommand(CLI::App& app) {
    auto gameDir = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "check", "Load the whole configuration and list every problem found, with file and line.");
    AddGameDirOption(*command, *gameDir, "Config/, DB/ and Scenarios/");
    return {command, [gameDir] { return RunCheck(*gameDir); }};
}

Command AddRestoreCommand(CLI::App& app) {
    auto gameDir = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "restore",
        "Put the game's original database files back from Backup/ (\"Restore orig. files\").");
    AddGameDirOption(*command, *gameDir, "DB/ and Backup/");
    return {command, [gameDir] { return RunRestore(*gameDir); }};
}

Command AddBackupScenarioCommand(CLI::App& app) {
    auto dirs = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* command = app.add_subcommand(
        "backup-scenario", "Copy the generated scenario and its six database files to a folder.");
    AddGameDirOption(*command, dirs->first, "Config/, DB/ and Scenarios/");
    command->add_option("--to", dirs->second, "Folder to copy to; it is created when missing.")
        ->required();
    return {command,
            [dirs] { return RunScenarioCopy(dirs->first, dirs->second, &BackupScenario); }};
}

Command AddRestoreScenarioCommand(CLI::App& app) {
    auto dirs = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* command = app.add_subcommand(
        "restore-scenario",
        "Copy a backed-up scenario and its six database files back into the game.");
    AddGameDirOption(*command, dirs->first, "Config/, DB/ and Scenarios/");
    command->add_option("--from", dirs->second, "Folder that holds the backed-up scenario.")
        ->required()
        ->check(CLI::ExistingDirectory);
    return {command,
            [dirs] { return RunScenarioCopy(dirs->first, dirs->second, &RestoreScenario); }};
}

}  // namespace tq3
