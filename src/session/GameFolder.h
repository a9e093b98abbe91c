#pragma once

#include <string>

#include "base/Dialogs.h"

namespace tq3 {

// Whether `folder` is a game folder: one that holds Config/TQ3Gener.csv. When it is not, says
// so plainly (naming what is missing) and gives false; nothing is made in the folder then.
bool IsGameFolder(const std::string& folder, Dialogs& dialogs);

}  // namespace tq3
