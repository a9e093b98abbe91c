#pragma once

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// Refuses settings under which the nation steps of a run could never end, before anything
// is generated or written: more random majors than nations to draw them from, NationCount
// above the nations loaded, more nations to move than free provinces, and a free start draw
// over a map without land. Shows the reason (naming the setting) as an error; the report is
// refused then.
OperationReport CheckRunSettings(const World& world, Dialogs& dialogs);

}  // namespace tq3
