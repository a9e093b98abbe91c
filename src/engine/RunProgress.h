#pragma once

namespace tq3 {

// Positions of the run's progress bar (0..16), in the order the run reaches them.
namespace RunProgress {
inline constexpr int Start = 0;
inline constexpr int Climate = 1;
inline constexpr int MapDrawn = 2;
inline constexpr int TablesWritten = 3;
inline constexpr int NationsChosen = 4;
inline constexpr int NationsPlaced = 5;
inline constexpr int ScenarioWritten = 6;
inline constexpr int ReadyForPreview = 7;
// The province table moves the bar from 8 (its first lines) to 14 (all lines).
inline constexpr int ProvinceLines = 8;
inline constexpr int ProvinceAssembly = 10;
inline constexpr int ProvinceTableDone = 14;
inline constexpr int ProvinceTableWritten = 15;
inline constexpr int Done = 16;
}  // namespace RunProgress

}  // namespace tq3
