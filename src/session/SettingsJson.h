#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <functional>
#include <string>

#include "config/SettingsChanges.h"
#include "output/TextFormat.h"  // Quoted: a text in double quotes, as messages quote names

namespace tq3 {

// The JSON of the files the tool keeps for the user (recipes and presets): members in the
// order written, read strictly.
using Json = nlohmann::ordered_json;

// Setting changes as the "settings" object of such a file: KEY: "VALUE", each byte of the
// value as the character of that code, so that every byte comes back as it was.
Json SettingsJson(const SettingValues& settings);

// Reads a "settings" object back: each member a key of the settings file (GeneratorMode
// apart, which such files hold on its own) with a text value that the settings file can hold.
// Throws std::runtime_error with what is wrong ("its setting \"X\" is not a key ...").
SettingValues ReadSettingsJson(const Json& settings);

// Parses `text` (at most `maxSize` bytes) as JSON with no member named twice in one object
// and nothing nested deeper than `maxNesting`, and gives it to `read`, which throws
// std::runtime_error for a value it refuses. Gives what is wrong as the rest of a sentence
// ("it is not JSON: ..."), or an empty text when `read` took it. `kind` names the file in
// those sentences ("a recipe").
std::string ReadStrictJson(const std::string& text, const std::string& kind, std::size_t maxSize,
                           std::size_t maxNesting, const std::function<void(const Json&)>& read);

}  // namespace tq3
