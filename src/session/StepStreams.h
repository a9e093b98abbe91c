#pragma once

#include <array>
#include <memory>

#include "base/Random.h"
#include "session/Rerolls.h"

namespace tq3 {

// Where each step of a run begins in the random stream of a world without rerolls.
using StepStarts = std::array<std::unique_ptr<RandomSource>, DrawStepCount>;

// The random numbers each step of a run draws. Without rerolls every step draws from one
// source in turn. With rerolls a rerolled step draws from its own seed and every other step
// from where it began in the world without rerolls, so a step draws the same numbers
// whatever an earlier step consumed.
class StepStreams {
  public:
    // Every step from `random` in turn; with `record`, each step's start is kept.
    explicit StepStreams(RandomSource& random, bool record = false);
    // Each step from its start in `plain` (recorded for every step), or from its reroll's seed.
    StepStreams(std::shared_ptr<const StepStarts> plain, Rerolls rerolls);

    // Called as `step` begins: the source it draws from until the next step begins.
    RandomSource& Begin(DrawStep step);
    // The source of the step begun last.
    RandomSource& Current() { return *current_; }
    // The starts recorded so far.
    std::shared_ptr<const StepStarts> Starts() const { return recorded_; }

  private:
    RandomSource* current_;
    bool record_ = false;
    std::shared_ptr<StepStarts> recorded_;
    std::shared_ptr<const StepStarts> plain_;
    Rerolls rerolls_;
    std::unique_ptr<RandomSource> owned_;
};

}  // namespace tq3
