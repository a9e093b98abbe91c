#pragma once

#include <string>

#include "base/Dialogs.h"
#include "session/FolderTransaction.h"
#include "session/RunReport.h"
#include "session/WorldDraws.h"

namespace tq3 {

// The run's file steps on the game folder: the tables are read again, and each file is
// formatted whole when it is due and kept with the run's files until they land together. A
// table that cannot be read again stops the run before anything is replaced.
class FolderSteps final : public RunFileSteps {
  public:
    FolderSteps(Dialogs& dialogs, RunReport& report, FolderTransaction& files)
        : dialogs_(dialogs), report_(report), files_(files) {}
    void LoadAdjacency(World& world, bool mapTable) override;
    void RestoreProtectedRegions(World& world, bool europe, bool asia) override;
    void GoodsAndTaxTables(World& world, RandomSource& random) override;
    void ScenarioFiles(World& world, RandomSource& random) override;

  private:
    void Unread(const World& world, const std::string& table);

    Dialogs& dialogs_;
    RunReport& report_;
    FolderTransaction& files_;
};

}  // namespace tq3
