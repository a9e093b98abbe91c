#pragma once

#include <cstdint>

namespace tq3 {

// What a run produces. The GeneratorMode setting holds its value as read from the settings
// file, which may lie outside these (such a run is refused).
enum class GeneratorMode : int8_t {
    MapAndScenario = 0,  // everything is written
    MapOnly = 1,         // only the province table
    ScenarioOnly = 2,    // the scenario on the game's own map
};
inline constexpr int GeneratorModeCount = 3;

// The setting's value of a mode, and the mode a setting's value names.
constexpr int ModeValue(GeneratorMode mode) {
    return static_cast<int>(mode);
}
constexpr bool IsGeneratorMode(int value) {
    return value >= 0 && value < GeneratorModeCount;
}
constexpr GeneratorMode ModeOf(int value) {
    return static_cast<GeneratorMode>(value);
}

}  // namespace tq3
