#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/SettingsChanges.h"
#include "engine/World.h"
#include "session/Rerolls.h"

namespace tq3 {

// The order of the random draws of a run, as a number. A recipe is made again only by a
// program whose draws follow the same order: raise it with every change that alters the
// bytes of a seeded run (the pinned seeded runs of the demo tests change then too).
inline constexpr int RecipeDrawOrder = 1;
// The form of a recipe: 1 has no rerolls (nor this member), 2 adds them.
inline constexpr int RecipeVersion = 2;

// A game folder's input file as a recipe names it: relative, "/" between components
// ("Config/TQ3Gener.csv"), and its SHA-256 in lowercase hexadecimal, none when the file
// was not there.
struct RecipeFile {
    std::string path;
    std::optional<std::string> sha256;
};

// What fixes a run: the program and its draw order, the generator mode, the seed and its
// rerolls, every
// setting that differs from Config/TQ3Gener.csv (GeneratorMode apart), and the hash of
// each input file the run reads. The same recipe on the same inputs gives the same bytes.
struct Recipe {
    std::string programVersion;
    int drawOrder = RecipeDrawOrder;
    int generatorMode = 0;
    uint64_t seed = 0;
    Rerolls rerolls;
    SettingValues settings;
    std::vector<RecipeFile> files;
};

// A recipe, or why there is none (a whole sentence naming the problem).
struct RecipeResult {
    std::optional<Recipe> recipe;
    std::string error;
};

// The files a run in `generatorMode` reads, as a recipe names them: the configuration
// tables, and in scenario-only mode the backed-up province table it puts back.
std::vector<std::string> RecipeInputFiles(int generatorMode);

// The recipe of a run about to start with `seed` and `rerolls` on the loaded world: its
// settings are compared with the settings file as it is on disk. Fails when a changed
// setting holds a value that the settings file cannot hold (a ";" in a name).
RecipeResult RecipeOfRun(const World& world, uint64_t seed, const Rerolls& rerolls = {});

// The recipe as JSON text, one member per line.
std::string RecipeJson(const Recipe& recipe);

// Reads a recipe strictly: JSON of exactly the members RecipeJson writes (a recipe of the
// first version: without its version and rerolls), this program's draw order, rerolls in
// step order, each step once, values in range, each setting a key of the settings file with a value
// it can hold, and the input files of its mode, each once, inside the game folder.
RecipeResult ParseRecipe(const std::string& text);

// An input file whose bytes are not those the recipe recorded.
struct DifferingFile {
    std::string path;  // as the recipe names it
    std::string how;   // "changed", "missing", "present, but absent in the recorded run"
};
std::vector<DifferingFile> DifferingFiles(const Recipe& recipe, const std::string& programFolder);

// The setting overrides that make a load of the game folder's settings give the recipe's
// settings: its generator mode first, then each recorded setting.
SettingValues RecipeOverrides(const Recipe& recipe);

}  // namespace tq3
