#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"

namespace tq3 {

// Whether `folder` is a game folder: one that holds Config/TQ3Gener.csv. When it is not, says
// so plainly (naming what is missing) and the report is refused; nothing is made in the
// folder then.
OperationReport IsGameFolder(const std::string& folder, Dialogs& dialogs);

}  // namespace tq3
