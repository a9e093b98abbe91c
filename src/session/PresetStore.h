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
// is refused before it is read. The error is a whole sentence naming the file as `what`
// ("The preset \"FILE\" cannot be used: ...").
PresetResult ReadPresetFile(const std::string& path, const std::string& what = "preset");

// Why `name` cannot name one of the user's presets (a whole sentence), or an empty text when
// it can: it is what `--preset NAME` finds, a file name on every system.
std::string PresetNameProblem(const std::string& name);

// The file of the user's preset `name`; empty when there is no configuration folder.
std::string UserPresetFile(const std::string& name);

// Writes `preset` as the file `path` through the temporary writer (the caller has checked
// the target); gives the error as a whole sentence, or an empty text.
std::string WritePresetFile(const Preset& preset, const std::string& path);

// The user's presets by name: written (its folder made when missing) or removed; each gives
// the error as a whole sentence, or an empty text.
std::string WriteUserPreset(const Preset& preset);
std::string DeleteUserPreset(const std::string& name);

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
