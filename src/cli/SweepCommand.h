#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tq3 {

struct SweepOptions {
    std::string gameDir;
    std::optional<int> mode;
    std::string seeds;                                          // "A..B"
    std::vector<std::pair<std::string, std::string>> settings;  // --set KEY=VALUE
    int jobs = 0;                                               // 0: one per processor
    int top = 10;
    std::string sort = "fairness";
    std::optional<std::string> csv;
};

// The first and last seed of "A..B"; nothing, with the reason, for an empty or reversed
// range, a range of more than MaxSweepSeeds seeds, or a text that is not such a range.
std::optional<std::pair<uint64_t, uint64_t>> ParseSeedRange(const std::string& text,
                                                            std::string& why);

// Measures the world of every seed of the range and prints the best ones: 0 when done, 1
// when the configuration or the table's target is refused, 2 for a usage error, 130 when
// stopped by Ctrl+C (the best of what was measured is printed).
int RunSweep(const SweepOptions& options);

}  // namespace tq3
