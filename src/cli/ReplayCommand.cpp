#include "cli/ReplayCommand.h"

#include <iostream>
#include <memory>

#include "cli/CliDialogs.h"
#include "cli/GameCommand.h"
#include "session/Recipe.h"
#include "session/RecipeStore.h"

namespace tq3 {

namespace {

struct ReplayOptions {
    std::string recipe;
    std::string gameDir;
    std::optional<std::string> outDir;
    bool force = false;
    bool strict = false;
};

int RunReplay(const ReplayOptions& options) {
    GameCommand command;
    ReportingDialogs& dialogs = command.dialogs;
    const RecipeResult read = ReadRecipeFile(options.recipe);
    if (!read.recipe) {
        dialogs.Error(read.error);
        return 1;
    }
    const Recipe& recipe = *read.recipe;
    if (!command.Open(options.gameDir)) return 1;
    const World& world = *command.world;

    // Every input must be the file the recorded run read; otherwise nothing is written.
    const std::vector<DifferingFile> differing = DifferingFiles(recipe, world.ProgramFolder);
    if (!differing.empty()) {
        std::string text = options.force
                               ? "These files differ from those of the recorded run; replaying "
                                 "anyway (--force), so the result may differ from it:"
                               : "These files differ from those of the recorded run:";
        for (const DifferingFile& f : differing) text += "\n  " + f.path + " (" + f.how + ")";
        if (!options.force) {
            dialogs.Error(text + "\nNothing was written. Use --force to replay anyway.");
            return 1;
        }
        dialogs.Info(text);
    }

    // The run as recorded: its generator mode, then each of its settings, with its seed and
    // rerolls.
    GenerateOptions run;
    run.gameDir = options.gameDir;
    run.mode = recipe.generatorMode;
    run.seed = recipe.seed;
    for (const Reroll& r : recipe.rerolls) run.rerolls.push_back(RerollText(r));
    for (const auto& [key, value] : recipe.settings) run.sets.push_back(key + "=" + value);
    run.outDir = options.outDir;
    run.strict = options.strict;
    return RunGenerate(run);
}

}  // namespace

Command AddReplayCommand(CLI::App& app) {
    auto options = std::make_shared<ReplayOptions>();
    CLI::App* command = app.add_subcommand(
        "replay",
        "Make a recorded run again from its recipe: check that every file it read is the same, "
        "then run as recorded (byte-identical files).");
    command->add_option("RECIPE", options->recipe, "The recipe file (from generate --recipe).")
        ->required();
    AddGameDirOption(*command, options->gameDir, "Config/, DB/ and Scenarios/");
    command->add_option("--out", options->outDir,
                        "Write the run's files into this folder (DIR/DB/..., DIR/Scenarios/...) "
                        "and leave the game folder as it is.");
    command->add_flag(
        "--force", options->force,
        "Replay even when files differ from those of the recorded run (the result may differ).");
    command->add_flag("--strict", options->strict,
                      "Fail (exit status 1) on notes too, such as a missing key that takes its "
                      "default.");
    return {command, [options] { return RunReplay(*options); }};
}

}  // namespace tq3
