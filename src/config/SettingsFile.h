#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/World.h"

namespace tq3 {

// Loads Config/TQ3Gener.csv into world.Settings, then the province template, the map
// adjacency (full load only) and the nations file. Without `fullReload` the user settings
// keep their current values; the generation tables and the template world are read again.
// The report holds what every loader showed, in the order shown; it is refused when the
// settings or nations file is missing or unreadable (nothing loaded).
OperationReport LoadSettings(World& world, Dialogs& dialogs, bool fullReload);

// Every setting as a fresh full load reads it from a settings text (no range checks).
TGeneratorSettings SettingsOfText(const std::string& text);

// The line number of the line that sets `key` in a settings text; 0 when none does.
int SettingLineNumber(const std::string& settingsText, const std::string& key);

// True when `key` is a key of the settings file.
bool IsSettingKey(std::string_view key);

// The settings text with each override written into it, as if the file held that line:
// the key's first line is replaced, or a line is added at the end.
std::string WithOverrides(std::string text,
                          const std::vector<std::pair<std::string, std::string>>& overrides);

// Reports settings whose values would take the run outside the world's tables and puts
// them back in range (ProvinceCount above 1620); the report holds the notes.
OperationReport CheckSettingRanges(World& world, Dialogs& dialogs);

}  // namespace tq3
