#pragma once

#include <string>
#include <unordered_map>

namespace tq3 {

// Resolves a game path written with backslashes ("\DB\province.csv") under the program
// folder. Each component is matched case-insensitively against what exists, so
// DB/Province.csv and DB/province.csv are one file; components that do not exist yet keep
// the spelling given.
std::string GamePath(const std::string& programFolder, const std::string& relative);

// The game paths of one program folder, each resolved by GamePath once and given again from
// then on, so that a run looks each name up once. A file that the run makes takes the
// spelling its path was resolved to, so the answers stay right for the run; Forget starts
// afresh (a new run, or a load that may find files changed in between). One per thread.
class GamePaths {
  public:
    const std::string& Resolve(const std::string& programFolder, const std::string& relative);
    void Forget() { resolved_.clear(); }

  private:
    std::string folder_;
    std::unordered_map<std::string, std::string> resolved_;
};

// Joins a folder and a plain file name (no case folding).
std::string JoinPath(const std::string& folder, const std::string& name);

// The absolute form of a file name, as messages show it.
std::string AbsolutePath(const std::string& name);

// Which of the game folder's own folders (GameFiles::OwnFolders, matched without regard to
// case) `path` is or lies inside, as the game spells it; empty when none.
std::string OwnGameFolderOf(const std::string& programFolder, const std::string& path);

bool FileExists(const std::string& name);
bool FolderExists(const std::string& name);

}  // namespace tq3
