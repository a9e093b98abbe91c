#include "session/RecipeStore.h"

#include <cstdlib>
#include <filesystem>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "session/FolderLock.h"

namespace tq3 {

namespace {

#ifdef _WIN32
constexpr const char* kNoStateFolder = "LOCALAPPDATA names no folder.";
#else
constexpr const char* kNoStateFolder = "neither XDG_STATE_HOME nor HOME names a folder.";
#endif

}  // namespace

std::string LastRunRecipePath() {
    const std::string state = UserStateFolder();
    return state.empty() ? std::string()
                         : NameOf(PathOf(state) / "tq3gen" / "last-run-recipe.json");
}

std::string KeepLastRunRecipe(const Recipe& recipe) {
    const std::string path = LastRunRecipePath();
    if (path.empty()) return std::string("The recipe of this run is not kept: ") + kNoStateFolder;
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

std::string RecipeTargetProblem(const std::string& programFolder, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(fs::absolute(PathOf(path), ec), ec);
    const fs::path game = fs::weakly_canonical(fs::absolute(PathOf(programFolder), ec), ec);
    const std::string quoted = "\"" + NameOf(target) + "\"";
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return "The recipe cannot be written to " + quoted + ": it is not a regular file.";
    if (target.parent_path() == game && target.filename() == FolderLock::kFileName)
        return "The recipe cannot be written to " + quoted + ": it is the game folder's lock.";
    // A file under one of the game's folders, or named like one, whatever the case.
    const std::string own = OwnGameFolderOf(programFolder, path);
    if (own.empty()) return {};
    if (target.parent_path() == game)
        return "The recipe cannot be written to " + quoted + ": it takes the name of the game's " +
               own + "/ folder.";
    return "The recipe cannot be written to " + quoted + ": it is inside the game's " + own +
           "/ folder, whose files the game and the backups use.";
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
