#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/GeneratorSettings.h"

namespace tq3 {

// Settings written as the lines of Config/TQ3Gener.csv would hold them: KEY and the text
// after its ";". A value in this form reads back as exactly the value it was written from.
using SettingValues = std::vector<std::pair<std::string, std::string>>;

// The settings whose values differ between `from` and `to`, each with the text that makes
// a load of the settings file give `to`'s value, in the order of the file's keys. Lists
// leave out their trailing empty or zero elements.
SettingValues ChangedSettings(const TGeneratorSettings& from, const TGeneratorSettings& to);

// Empty when `value` is a value of `key` in the form ChangedSettings writes it; otherwise
// what the key takes ("a whole number from -128 to 127"). `key` must be a settings key.
std::string SettingValueProblem(const std::string& key, const std::string& value);

// A whole number of the settings text that its key cannot hold: a load wraps it into the
// key's range. `takes` is what the key holds, as SettingValueProblem says it.
struct SettingOutOfRange {
    std::string key, written, used, takes;
};
// The user settings of `read` (loaded from `settingsText`) whose written number lies outside
// what their key holds.
std::vector<SettingOutOfRange> SettingsOutOfRange(const TGeneratorSettings& read,
                                                  const std::string& settingsText);

}  // namespace tq3
