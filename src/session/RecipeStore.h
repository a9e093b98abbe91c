#pragma once

#include <cstdint>
#include <string>

#include "session/Recipe.h"

namespace tq3 {

// Where recipes are kept: files the user names, and the recipe of the last run.
//
// Every run that wrote its files keeps its recipe as the recipe of the last run, so that the
// world played yesterday can be made again. It is the tool's own state, kept under the
// user's state folder ($XDG_STATE_HOME, by default ~/.local/state) as
// tq3gen/last-run-recipe.json: never in a game folder, which the game reads and backups copy.

// Where the recipe of the last run is kept; empty when neither XDG_STATE_HOME nor HOME
// names a folder.
std::string LastRunRecipePath();

// Keeps `recipe` as the recipe of the last run, replacing the one before through a
// temporary file. Gives an empty text, or what went wrong.
std::string KeepLastRunRecipe(const Recipe& recipe);

// Writes `recipe` as the JSON file `path` through a temporary file beside it. Gives an empty
// text, or what went wrong.
std::string WriteRecipeFile(const Recipe& recipe, const std::string& path);

// The largest recipe file read: a recipe is a few kilobytes.
inline constexpr std::uint64_t MaxRecipeSize = 1 << 20;

// Reads a recipe file: the recipe, or what is wrong with it, naming the file. A file larger
// than MaxRecipeSize, or one that is not a regular file, is refused unread.
RecipeResult ReadRecipeFile(const std::string& path);

}  // namespace tq3
