#pragma once

#include <string>
#include <vector>

#include "engine/World.h"

namespace tq3 {

// Whether ScenarioFileName is a plain file name that stays inside Scenarios/ (no "/",
// "\", ".." or NUL).
bool IsPlainScenarioFileName(const std::string& name);

// The scenario file's text: header with the majors' descriptions, global data, the centres of
// trade drawn for the run, province overrides (scenario-only mode), the country blocks and
// the event files.
std::string ScenarioText(const World& world);

}  // namespace tq3
