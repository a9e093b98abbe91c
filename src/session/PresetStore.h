#pragma once

#include <string>
#include <vector>

#include "session/Preset.h"

namespace tq3 {

// Where presets are found: the built-in ones, and the user's own as NAME.json files in
// tq3gen/presets/ of the user's configuration folder ($XDG_CONFIG_HOME, by default
// ~/.config; the roaming application data folder on Windows).

// The folder of the user's presets; empty when the environment names no configuration folder.
std::string UserPresetFolder();

// Reads a preset file, its name taken from the file's name. A file larger than MaxPresetSize
// is refused before it is read. The error is a whole sentence naming the file.
PresetResult ReadPresetFile(const std::string& path);

// The preset that --preset names: a file when the text names a path (it holds a separator
// or ends in ".json"), else the user's preset of that name, else the built-in one.
PresetResult FindPreset(const std::string& nameOrFile);

// Every preset: the built-in ones, then the user's by name, each in place of a built-in one
// of its name. A user's file that cannot be read is left out, its problem in `problems`.
struct PresetList {
    std::vector<Preset> presets;
    std::vector<std::string> problems;
};
PresetList ListPresets();

}  // namespace tq3
