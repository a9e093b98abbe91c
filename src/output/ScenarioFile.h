#pragma once

#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

// Whether ScenarioFileName is a plain file name that stays inside Scenarios/ (no "/",
// "\", ".." or NUL).
bool IsPlainScenarioFileName(const std::string& name);

// Builds the scenario text: header with the majors' descriptions, global data, centres of
// trade, province overrides (scenario-only mode), the country blocks and the event files.
// Gives the nations that received a centre of trade.
std::string BuildScenarioText(const World& world, RandomSource& random,
                              std::vector<int>* centresOfTrade = nullptr);

// Writes Scenarios/<ScenarioFileName>.tqg in one piece and gives the nations that received a
// centre of trade. A ScenarioFileName that would leave Scenarios/ is refused with a message;
// nothing is written then and the list is empty.
std::vector<int> WriteScenarioFile(const World& world, RandomSource& random, Dialogs& dialogs);

}  // namespace tq3
