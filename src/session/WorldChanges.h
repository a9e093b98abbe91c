#pragma once

#include <optional>
#include <string>

#include "config/SettingsChanges.h"
#include "engine/World.h"
#include "session/Preset.h"

namespace tq3 {

// The settings of a loaded world that differ from its game folder's settings file, or why
// they cannot be given (the whole sentence).
struct WorldChanges {
    std::optional<SettingValues> settings;
    std::string error;
};

// Each setting of `world` whose value differs from what Config/TQ3Gener.csv gives, as the
// file's line would hold it, GeneratorMode among them. A value that the settings file cannot
// hold is refused with a sentence saying that a `kind` ("recipe") cannot keep it.
WorldChanges ChangesOfWorld(const World& world, const std::string& kind);

// The changes of `world` as a preset of the given name and description: GeneratorMode as its
// mode, the rest as its settings.
PresetResult PresetOfWorld(const World& world, const std::string& name,
                           const std::string& description);

}  // namespace tq3
