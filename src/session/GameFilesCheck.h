#pragma once

#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "engine/World.h"
#include "verify/Finding.h"
#include "verify/GameFileVerifier.h"
#include "verify/VerifySettings.h"

namespace tq3 {

// What the checks of the game's files take from the loaded settings: the scenario's game
// path, name and years, the name lists, and the bounds that the settings set on the
// scenario's treasuries, armies and technology (none where each nation brings its own).
VerifySettings VerifySettingsOf(const World& world);

// What `verify` found in a game folder.
struct InstalledFilesCheck {
    std::vector<std::string> checked;  // the files read, as findings name them
    std::vector<Finding> findings;
};

// Reads the six database files and the scenario of ScenarioFileName from the game folder and
// checks them as one set; a file missing or unreadable is a finding of its own. Each finding
// is also shown through dialogs.Problem. The settings must be loaded.
InstalledFilesCheck VerifyInstalledFiles(const World& world, Dialogs& dialogs);

}  // namespace tq3
