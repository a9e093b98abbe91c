#pragma once

#include <span>
#include <string>

namespace tq3 {

// ASCII letters compared without regard to case; everything else exactly.
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

// The code (1-based) of the first name in `names` equal to `text` without regard to case, or 0.
// With `stopAtEmpty` the search ends at the first empty name that does not match; the search
// also ends with 0 at the first mismatch when `text` is `noneWord`.
int MatchName(std::span<const std::string> names, const std::string& text, bool stopAtEmpty,
              const char* noneWord);

}  // namespace tq3
