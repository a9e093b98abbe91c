#include "session/OutFolder.h"

#include <filesystem>

#include "base/GamePath.h"
#include "base/Platform.h"

namespace tq3 {

std::string OutFolderProblem(const std::string& programFolder, const std::string& out) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string quoted = "\"" + AbsolutePath(out) + "\"";
    if (fs::exists(PathOf(out), ec) && !fs::is_directory(PathOf(out), ec))
        return quoted + " is not a folder: the run's files cannot go into it. Nothing was written.";
    const fs::path game = fs::weakly_canonical(fs::absolute(PathOf(programFolder), ec), ec);
    const fs::path chosen = fs::weakly_canonical(fs::absolute(PathOf(out), ec), ec);
    const fs::path inside = chosen.lexically_relative(game);
    if (inside.empty() || *inside.begin() == "..") return {};
    if (inside == ".")
        return quoted +
               " is the game folder itself; --out names another folder, which receives "
               "the run's files while the game folder stays as it is. Nothing was "
               "written.";
    return OwnFolderProblem(programFolder, out);
}

std::string OwnFolderProblem(const std::string& programFolder, const std::string& folder) {
    const std::string own = OwnGameFolderOf(programFolder, folder);
    if (own.empty()) return {};
    return "\"" + AbsolutePath(folder) + "\" is inside the game folder's own " + own +
           "/ folder; choose a folder outside Backup/, DB/, Config/ and Scenarios/. Nothing was "
           "written.";
}

}  // namespace tq3
