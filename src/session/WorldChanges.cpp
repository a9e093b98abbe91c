#include "session/WorldChanges.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"
#include "config/SettingsFile.h"
#include "output/TextFormat.h"

namespace tq3 {

namespace {
constexpr const char* kModeKey = "GeneratorMode";
}  // namespace

WorldChanges ChangesOfWorld(const World& world, const std::string& kind) {
    // The settings as the file on disk gives them, against those of the world.
    std::string text;
    QuietDialogs quiet;
    const std::string settingsFile = world.GamePath(GameFiles::SettingsTable);
    if (!ReadTextFile(quiet, settingsFile, text))
        return {std::nullopt,
                "Cannot read " + AbsolutePath(settingsFile) + " for the " + kind + "."};
    SettingValues changes = ChangedSettings(SettingsOfText(text), world.Settings);
    for (const auto& [key, value] : changes) {
        if (key == kModeKey) continue;
        const std::string takes = SettingValueProblem(key, value);
        if (!takes.empty())
            return {std::nullopt, "The setting " + key + " holds " + Quoted(value) + ", which a " +
                                      kind + " cannot keep: " + key + " takes " + takes + "."};
    }
    return {std::move(changes), {}};
}

PresetResult PresetOfWorld(const World& world, const std::string& name,
                           const std::string& description) {
    WorldChanges changes = ChangesOfWorld(world, "preset");
    if (!changes.settings) return {std::nullopt, changes.error};
    Preset preset;
    preset.name = name;
    preset.description = description;
    for (auto& [key, value] : *changes.settings) {
        if (key == kModeKey)
            preset.generatorMode = world.Settings.GeneratorMode;
        else
            preset.settings.emplace_back(key, std::move(value));
    }
    return {std::move(preset), {}};
}

}  // namespace tq3
