#include "session/RecipeStore.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "base/GamePath.h"
#include "base/TextFile.h"
#include "session/FolderLock.h"

namespace tq3 {

namespace {

// The user's state folder as the XDG base directories define it.
std::string StateHome() {
    const char* state = std::getenv("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is invalid and is ignored, as the base directories say.
    if (state && state[0] == '/') return state;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/state";
    return {};
}

}  // namespace

std::string LastRunRecipePath() {
    const std::string state = StateHome();
    return state.empty() ? std::string() : state + "/tq3gen/last-run-recipe.json";
}

std::string KeepLastRunRecipe(const Recipe& recipe) {
    const std::string path = LastRunRecipePath();
    if (path.empty())
        return "The recipe of this run is not kept: neither XDG_STATE_HOME nor HOME names a "
               "folder.";
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec)
        return "The recipe of this run is not kept: cannot make the folder \"" +
               std::filesystem::path(path).parent_path().string() + "\": " + ec.message() + ".";
    return WriteRecipeFile(recipe, path);
}

std::string WriteRecipeFile(const Recipe& recipe, const std::string& path) {
    QuietDialogs errors;
    if (WriteWholeFile(errors, path, RecipeJson(recipe), false)) return {};
    return errors.lastError.empty() ? "Cannot write the recipe \"" + AbsolutePath(path) + "\"."
                                    : errors.lastError;
}

std::string RecipeTargetProblem(const std::string& programFolder, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(fs::absolute(path, ec), ec);
    const fs::path game = fs::weakly_canonical(fs::absolute(programFolder, ec), ec);
    const std::string quoted = "\"" + target.string() + "\"";
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return "The recipe cannot be written to " + quoted + ": it is not a regular file.";
    if (target.parent_path() == game && target.filename() == FolderLock::kFileName)
        return "The recipe cannot be written to " + quoted + ": it is the game folder's lock.";
    // A file under one of the game's folders, whatever the case of its name.
    const fs::path inside = target.lexically_relative(game);
    if (!inside.empty() && *inside.begin() != ".." &&
        std::distance(inside.begin(), inside.end()) > 1) {
        std::string top = inside.begin()->string();
        for (char& c : top) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (top == "db" || top == "config" || top == "scenarios" || top == "backup")
            return "The recipe cannot be written to " + quoted + ": it is inside the game's " +
                   inside.begin()->string() + "/ folder, whose files the game and the backups use.";
    }
    return {};
}

RecipeResult ReadRecipeFile(const std::string& path) {
    QuietDialogs errors;
    std::string text;
    if (!ReadWholeFile(errors, path, text)) return {std::nullopt, errors.lastError};
    RecipeResult read = ParseRecipe(text);
    if (!read.recipe)
        read.error =
            "The recipe \"" + AbsolutePath(path) + "\" cannot be used: " + read.error + ".";
    return read;
}

}  // namespace tq3
