#pragma once

#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "verify/GameFileVerifier.h"

namespace tq3 {

// How the files of a run land in their folder.
struct CommitOptions {
    // A keeping copy of each game original (the database files of DB/, a scenario that this
    // program did not write) goes into the folder's Backup/ before it is first replaced.
    bool keepOriginals = true;
};

// The files of one run, formatted whole and kept until the run lands them all at once. A run
// that never commits (the map editor's Abort) leaves its folder as it was.
class RunFiles {
  public:
    // Adds a file by its game path under the folder ("\DB\Goods.csv") with its whole text.
    void Add(std::string relative, std::string text);
    bool empty() const { return files_.empty(); }
    // Every file's text by its game path, as it will land.
    GameFileTexts Texts() const;

    // Lands every file in `folder`: each is written under a temporary name beside its target
    // and synced, the keeping copies are made, and only then do the files take their targets'
    // places, together, through the folder's replace journal. When any file cannot be staged
    // or any copy made, nothing is replaced: gives false with the failures named in `report`
    // (and shown). The files written go into report.written in the order they were added.
    bool Commit(const std::string& folder, const CommitOptions& options, Dialogs& dialogs,
                OperationReport& report) const;

  private:
    struct File {
        std::string relative;
        std::string text;
    };
    std::vector<File> files_;
};

}  // namespace tq3
