#pragma once

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3 {

// At start: fills a missing Backup folder with the game's six database files when the user
// agrees, or completes an existing one with the files it lacks (never replacing a backup).
void StartupBackup(const World& world, Dialogs& dialogs);

// "Restore orig. files": puts the six backed-up database files back into DB and asks whether
// to quit; gives true when the user answers OK. Files that could not be put back are named
// in an error instead.
bool RestoreGameFiles(const World& world, Dialogs& dialogs);

// Map-only mode: puts back the diplomatic matrix, the country table and the revolt table.
void RestoreForMapOnly(const World& world);

// "Backup scenario": copies the scenario file (or Scenarios/Random.tqg) and the six database
// files into a folder the user chooses.
void BackupScenario(const World& world, Dialogs& dialogs);

// "Restore scenario": copies a scenario and its database files back from a folder the user
// chooses.
void RestoreScenario(const World& world, Dialogs& dialogs);

}  // namespace tq3
