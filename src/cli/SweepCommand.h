#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "cli/Commands.h"

namespace tq3 {

// The first and last seed of "A..B"; nothing, with the reason, for an empty or reversed
// range, a range of more than MaxSweepSeeds seeds, or a text that is not such a range.
std::optional<std::pair<uint64_t, uint64_t>> ParseSeedRange(const std::string& text,
                                                            std::string& why);

// `sweep`: measures the world of every seed of a range and prints the best ones. Exit status
// 0 when done, 1 when the configuration or the table's target is refused, 2 for a usage
// error, 130 when stopped by Ctrl+C (the best of what was measured is printed).
Command AddSweepCommand(CLI::App& app);

}  // namespace tq3
