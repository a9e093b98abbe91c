#include "session/OutFolder.h"

#include <filesystem>

#include "base/GamePath.h"
#include "base/NameMatch.h"
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
    for (const char* own : {"Backup", "DB", "Config", "Scenarios"})
        if (SameTextIgnoringCase(NameOf(*inside.begin()), own))
            return quoted + " is inside the game folder's own " + own +
                   "/ folder; choose a folder outside Backup/, DB/, Config/ and Scenarios/. "
                   "Nothing was written.";
    return {};
}

}  // namespace tq3
