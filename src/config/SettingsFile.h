#pragma once

#include <string>

#include "engine/Dialogs.h"
#include "engine/World.h"

// Loads Config/TQ3Gener.csv into world.Settings, then the province template, the map
// adjacency (full load only) and the nations file. Without `fullReload` the user settings
// keep their current values; the generation tables and the template world are read again.
// Gives false when the settings or nations file is missing or unreadable (nothing loaded).
bool LoadSettings(World& world, Dialogs& dialogs, bool fullReload);

// Sets one setting by its key as the settings file would ("Age", "3"), for the command
// line. Gives false when no setting has that key.
bool ApplySettingText(TGeneratorSettings& settings, const std::string& key, const std::string& value);

// Reports settings whose values would take the run outside the world's tables and puts
// them back in range (ProvinceCount above 1620).
void CheckSettingRanges(World& world, Dialogs& dialogs);
