#include "session/RecipeStore.h"

#include <cstdlib>
#include <filesystem>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"

namespace tq3 {

std::string LastRunRecipePath() {
    const std::string state = UserStateFolder();
    return state.empty() ? std::string()
                         : NameOf(PathOf(state) / "tq3gen" / "last-run-recipe.json");
}

std::string KeepLastRunRecipe(const Recipe& recipe) {
    const std::string path = LastRunRecipePath();
    if (path.empty())
        return std::string("The recipe of this run is not kept: ") + NoUserStateFolderReason();
    std::error_code ec;
    std::filesystem::create_directories(PathOf(path).parent_path(), ec);
    if (ec)
        return "The recipe of this run is not kept: cannot make the folder \"" +
               NameOf(PathOf(path).parent_path()) + "\": " + ec.message() + ".";
    return WriteRecipeFile(recipe, path);
}

std::string WriteRecipeFile(const Recipe& recipe, const std::string& path) {
    QuietDialogs errors;
    if (WriteWholeFile(errors, path, RecipeJson(recipe), false)) return {};
    return errors.lastError.empty() ? "Cannot write the recipe \"" + AbsolutePath(path) + "\"."
                                    : errors.lastError;
}

RecipeResult ReadRecipeFile(const std::string& path) {
    QuietDialogs errors;
    std::string text;
    if (!ReadWholeFile(errors, path, text, MaxRecipeSize)) return {std::nullopt, errors.lastError};
    RecipeResult read = ParseRecipe(text);
    if (!read.recipe)
        read.error =
            "The recipe \"" + AbsolutePath(path) + "\" cannot be used: " + read.error + ".";
    return read;
}

}  // namespace tq3
