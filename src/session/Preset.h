#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/SettingsChanges.h"

namespace tq3 {

// A named set of setting changes, and optionally a generator mode, as players keep and share
// them: a small JSON file of a description, the mode and the settings part of a recipe. It is
// applied over the game's settings file before any single setting given by hand.
struct Preset {
    std::string name;         // a built-in's name, or the name of its file without ".json"
    std::string description;  // UTF-8
    std::optional<int> generatorMode;
    SettingValues settings;
    bool builtIn = false;
};

// A preset, or why there is none (the rest of a sentence naming the problem).
struct PresetResult {
    std::optional<Preset> preset;
    std::string error;
};

// The most bytes a preset file may have; a longer file is refused before it is read.
inline constexpr std::size_t MaxPresetSize = 64 * 1024;

// The preset as JSON text: "description", "generatorMode" when it has one, "settings".
std::string PresetJson(const Preset& preset);

// Reads a preset strictly: JSON of only the members PresetJson writes ("settings" required),
// a mode of 0..2, each setting a key of the settings file with a value it can hold.
PresetResult ParsePreset(const std::string& name, const std::string& text);

// The setting overrides that apply the preset: its generator mode first, then each setting.
SettingValues PresetOverrides(const Preset& preset);

// The presets compiled into the program, each a choice a player makes often.
const std::vector<Preset>& BuiltInPresets();

}  // namespace tq3
