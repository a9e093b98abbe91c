#pragma once

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"
#include "session/FolderLock.h"

namespace tq3 {

// Each operation holds the game folder's lock for its length and reports what it did: the
// files it copied, those it could not (with the reason shown) and every message.

// At start: fills a missing Backup folder with the game's six database files when the user
// agrees, or completes an existing one with the files it lacks (never replacing a backup).
OperationReport StartupBackup(const World& world, Dialogs& dialogs, const FolderHold& hold = {});

// "Restore orig. files": puts the six backed-up database files back into DB. Files that could
// not be put back are named in an error. The front ends ask the closing question.
OperationReport RestoreGameFiles(const World& world, Dialogs& dialogs, const FolderHold& hold = {});

// The closing question of a restore that put every file back; empty when it did not.
std::string RestoreClosingQuestion(const OperationReport& restore);

// Map-only mode: puts back the diplomatic matrix, the country table and the revolt table.
OperationReport RestoreForMapOnly(const World& world, Dialogs& dialogs,
                                  const FolderHold& hold = {});

// "Backup scenario": copies the scenario file (or Scenarios/Random.tqg) and the six database
// files into a folder the user chooses.
OperationReport BackupScenario(const World& world, Dialogs& dialogs, const FolderHold& hold = {});

// "Restore scenario": copies a scenario and its database files back from a folder the user
// chooses.
OperationReport RestoreScenario(const World& world, Dialogs& dialogs, const FolderHold& hold = {});

}  // namespace tq3
