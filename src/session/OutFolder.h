#pragma once

#include <string>

namespace tq3 {

// A folder that receives a run's files (DB/..., Scenarios/...) in place of the game folder,
// which the run then only reads (generate --out, replay --out).

// Why `out` cannot receive the files of a run on the game folder `programFolder`: it is the
// game folder itself or inside its own Backup/, DB/, Config/ or Scenarios/, or it exists and
// is not a folder. Empty when it can.
std::string OutFolderProblem(const std::string& programFolder, const std::string& out);

// Why `folder` cannot receive files of ours (a run's, or its pictures): it is or lies inside
// the game folder's own Backup/, DB/, Config/ or Scenarios/. Empty when it can.
std::string OwnFolderProblem(const std::string& programFolder, const std::string& folder);

}  // namespace tq3
