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
    // The values it takes: from `least` to `most`, with `decimals` places (0: a count).
    double least;
    double most;
    int decimals;
};
extern const std::array<RequirementMeasure, 7> RequirementMeasures;

enum class Comparison { AtLeast, AtMost, Above, Below, Equal };

// Each comparison as written in a requirement, the two-character ones first.
struct ComparisonText {
    const char* text;
    Comparison comparison;
};
extern const std::array<ComparisonText, 5> ComparisonTexts;

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

// The requirement that `measure` compares so with `value` (the window's rows), its text as a
// user would write it: "fairness>=0.8".
Requirement RequirementOf(const RequirementMeasure& measure, Comparison comparison, double value);

// Counts a search's worlds against its requirements: how many met every one, and for each
// requirement how many worlds failed it and how many failed it alone (they met every other),
// which tells which requirement to relax. With `stopAfter` (0: no limit) the search has enough
// once that many worlds met every requirement.
class RequirementTally {
  public:
    explicit RequirementTally(std::vector<Requirement> requirements, uint64_t stopAfter = 0);
    // Counts the world; true when it meets every requirement. Once the search has enough, a
    // world is not counted (a sweep's workers measure ahead of the world that ended it).
    bool Offer(const WorldBalance& balance);
    bool Enough() const { return stopAfter_ > 0 && metAll_ >= stopAfter_; }
    uint64_t StopAfter() const { return stopAfter_; }
    uint64_t Drawn() const { return drawn_; }
    uint64_t MetAll() const { return metAll_; }
    const std::vector<Requirement>& Requirements() const { return requirements_; }
    const std::vector<uint64_t>& Failed() const { return failed_; }
    const std::vector<uint64_t>& FailedAlone() const { return failedAlone_; }

  private:
    std::vector<Requirement> requirements_;
    uint64_t stopAfter_ = 0;
    uint64_t drawn_ = 0, metAll_ = 0;
    std::vector<uint64_t> failed_, failedAlone_;
};

// The explanation of a search, as lines: the worlds drawn, how many met every requirement,
// and a table of each requirement with the worlds it turned away, in all and alone.
std::string ExplainSearch(const RequirementTally& tally);

}  // namespace tq3
