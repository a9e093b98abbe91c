#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "base/Dialogs.h"
#include "cli/Commands.h"
#include "engine/World.h"

namespace tq3 {

// Adds --preset NAME|FILE to a subcommand that runs with the game's settings.
void AddPresetOption(CLI::App& command, std::optional<std::string>& preset);

// The overrides of the preset that --preset names, ahead of any --mode and --set; false when
// it cannot be used (the user was told why, naming it).
bool AddPresetOverrides(World& world, const std::optional<std::string>& preset, Dialogs& dialogs);

// `presets`: lists the built-in and the user's presets with their descriptions and changes.
// Exit status 1 when a user's preset file cannot be read.
Command AddPresetsCommand(CLI::App& app);

}  // namespace tq3
