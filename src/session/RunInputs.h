#pragma once

#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// The reasons a run on this loaded world must be refused before anything is written, each a
// whole message naming the setting or file: GeneratorMode outside 0..2, ProvinceCount below
// 1 or not a number, a province template or map adjacency that could not be read, a missing
// placement table (runs that place nations), a ScenarioFileName that cannot be written
// (runs that write the scenario), and a fixed province table whose rows would be shifted
// (runs that write the province table). Empty when the run may start.
std::vector<std::string> RunInputRefusals(const World& world);

// Shows the first refusal as an error; the report is refused then.
OperationReport CheckRunInputs(const World& world, Dialogs& dialogs);

}  // namespace tq3
