#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/BalanceMeasures.h"

namespace tq3 {

// A measure of a world that a sweep's requirement can name.
struct RequirementMeasure {
    const char* name;  // as written in a requirement
    const char* what;  // what it counts, for help texts
    double (*of)(const WorldBalance&);
};
extern const std::array<RequirementMeasure, 7> RequirementMeasures;

enum class Comparison { AtLeast, AtMost, Above, Below, Equal };

// "MEASURE OP VALUE", such as "fairness>=0.8": a world meets it when its measure compares so
// with the value.
struct Requirement {
    std::string text;  // as the user wrote it, blanks removed
    const RequirementMeasure* measure = nullptr;
    Comparison comparison = Comparison::AtLeast;
    double value = 0;
    bool MetBy(const WorldBalance& balance) const;
};

// Reads a requirement; nothing, with why in `why`, for a text that is not one.
std::optional<Requirement> ParseRequirement(const std::string& text, std::string& why);

// Counts a search's worlds against its requirements: how many met every one, and for each
// requirement how many worlds failed it and how many failed it alone (they met every other),
// which tells which requirement to relax.
class RequirementTally {
  public:
    explicit RequirementTally(std::vector<Requirement> requirements);
    // Counts the world; true when it meets every requirement.
    bool Offer(const WorldBalance& balance);
    uint64_t Drawn() const { return drawn_; }
    uint64_t MetAll() const { return metAll_; }
    const std::vector<Requirement>& Requirements() const { return requirements_; }
    const std::vector<uint64_t>& Failed() const { return failed_; }
    const std::vector<uint64_t>& FailedAlone() const { return failedAlone_; }

  private:
    std::vector<Requirement> requirements_;
    uint64_t drawn_ = 0, metAll_ = 0;
    std::vector<uint64_t> failed_, failedAlone_;
};

// The explanation of a search, as lines: the worlds drawn, how many met every requirement,
// and a table of each requirement with the worlds it turned away, in all and alone.
std::string ExplainSearch(const RequirementTally& tally);

}  // namespace tq3
