#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"
#include "session/FolderTransaction.h"
#include "session/GenerateWorld.h"
#include "verify/Finding.h"
#include "verify/GameFileVerifier.h"

namespace tq3 {

// The check every run makes of its own files before they replace anything: the files it
// formatted, read as the game will read them. The game's own province table that a
// scenario-only run puts back is not the run's output and is left out. Each finding is shown
// as a problem ("file:line: text"); gives them all.
std::vector<Finding> VerifyRunFiles(const World& world, const GameFileTexts& staged,
                                    Dialogs& dialogs);

// What the user is told when a run found a fault in its own output: nothing was replaced,
// the first finding, and the seed to report it with.
std::string OwnFaultText(const std::vector<Finding>& findings, std::optional<uint64_t> seed);

// The test seam hooks.staged, when set, changes the texts of the run's files as a faulty
// writer would have written them: they are checked and, unchecked, land so.
void InjectWriterFault(const RunHooks& hooks, FolderTransaction& files);

// The last look of a run at its files before they land in `folder`: unless hooks.verify is
// off, VerifyRunFiles. A finding stops the run: the error of OwnFaultText is shown and each
// file with a finding is recorded as failed in `report`, so that nothing is replaced. Gives
// false then.
bool CheckOwnOutput(const World& world, const RunHooks& hooks, std::optional<uint64_t> seed,
                    const FolderTransaction& files, const std::string& folder, Dialogs& dialogs,
                    OperationReport& report);

}  // namespace tq3
