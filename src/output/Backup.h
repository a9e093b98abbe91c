#pragma once

#include "engine/Dialogs.h"
#include "engine/World.h"

// At start: fills a missing Backup folder with the game's six database files when the user
// agrees, or completes an existing one with the files it lacks (never replacing a backup).
void StartupBackup(const World& world, Dialogs& dialogs);
