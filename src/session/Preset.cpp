#include "session/Preset.h"

#include <set>
#include <stdexcept>

#include "engine/GeneratorMode.h"
#include "session/SettingsJson.h"

namespace tq3 {

namespace {
// A preset's members lie at most two levels deep: the preset, then its settings.
constexpr std::size_t MaxNesting = 2;

void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

Preset ReadPreset(const std::string& name, const Json& root) {
    if (!root.is_object()) Fail("it is not a JSON object");
    static const std::set<std::string> known = {"description", "generatorMode", "settings"};
    for (const auto& [member, value] : root.items())
        if (!known.contains(member)) Fail("it has an unknown member " + Quoted(member));
    Preset preset;
    preset.name = name;
    if (const auto it = root.find("description"); it != root.end()) {
        if (!it->is_string()) Fail("\"description\" must be a text");
        preset.description = it->get<std::string>();
    }
    if (const auto it = root.find("generatorMode"); it != root.end()) {
        const bool inRange = it->is_number_integer() && it->get<int64_t>() >= 0 &&
                             it->get<int64_t>() < GeneratorModeCount;
        if (!inRange)
            Fail("\"generatorMode\" must be a whole number from 0 to " +
                 std::to_string(GeneratorModeCount - 1) + ", not " + it->dump());
        preset.generatorMode = static_cast<int>(it->get<int64_t>());
    }
    const auto settings = root.find("settings");
    if (settings == root.end()) Fail("it has no member \"settings\"");
    preset.settings = ReadSettingsJson(*settings);
    return preset;
}

// Built from the settings as a settings file's lines hold them.
Preset BuiltIn(const char* name, const char* description, SettingValues settings) {
    return {name, description, std::nullopt, std::move(settings), true};
}
}  // namespace

std::string PresetJson(const Preset& preset) {
    Json root = Json::object();
    root["description"] = preset.description;
    if (preset.generatorMode) root["generatorMode"] = *preset.generatorMode;
    root["settings"] = SettingsJson(preset.settings);
    // A description that is not UTF-8 is kept with its stray bytes replaced.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

PresetResult ParsePreset(const std::string& name, const std::string& text) {
    PresetResult result;
    result.error =
        ReadStrictJson(text, "a preset", MaxPresetSize, MaxNesting,
                       [&](const Json& root) { result.preset = ReadPreset(name, root); });
    return result;
}

SettingValues PresetOverrides(const Preset& preset) {
    SettingValues overrides;
    if (preset.generatorMode)
        overrides.emplace_back("GeneratorMode", std::to_string(*preset.generatorMode));
    overrides.insert(overrides.end(), preset.settings.begin(), preset.settings.end());
    return overrides;
}

const std::vector<Preset>& BuiltInPresets() {
    static const std::vector<Preset> presets = {
        BuiltIn("small-crowded",
                "A small, crowded world: the first 900 provinces of the map, 80 countries of 5 "
                "provinces each; little room to grow, neighbours everywhere.",
                {{"ProvinceCount", "900"}, {"NationCount", "80"}, {"StartingCountrySize", "5"}}),
        BuiltIn("harsh-climate",
                "A harsh climate: cold and dry, with old mountains; fewer men and less income "
                "in every province, and colonies cost more.",
                {{"Temperature", "-3"},
                 {"Humidity", "-3"},
                 {"Age", "3"},
                 {"ManpowerModif", "-2"},
                 {"IncomeModif", "-2"},
                 {"ColonDifficultyModif", "3"}}),
        BuiltIn("equal-majors",
                "Majors on equal terms: every country starts with 3 provinces and the same "
                "treasury, technology and army, majors get no bonus, and every major starts "
                "on the coast.",
                {{"StartingCountrySize", "3"},
                 {"IsNationSpecifics", "0"},
                 {"IsNationSpecifGold", "0"},
                 {"IsNationSpecifTech", "0"},
                 {"IsNationSpecifArmy", "0"},
                 {"IsNationSpecifNavy", "0"},
                 {"MajorAdvantage", "0"},
                 {"ForceMajortoCoast", "1"}}),
        BuiltIn("open-world",
                "A wide-open world: 30 countries of 2 provinces each, the rest native land with "
                "more natives who tolerate settlers; much room to colonise.",
                {{"NationCount", "30"},
                 {"StartingCountrySize", "2"},
                 {"NativPopulationModif", "2"},
                 {"NativToleranceModif", "2"}}),
    };
    return presets;
}

}  // namespace tq3
