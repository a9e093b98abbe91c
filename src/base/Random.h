#pragma once

#include <cstdint>
#include <optional>

namespace tq3 {

// The one random source of a run. Every random choice is a RandInt draw.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0..n-1; 0 when n is 0 or less.
    virtual int RandInt(int n) = 0;
    // Reseeds the generator (from the clock, or from the run's seed).
    virtual void Randomize() = 0;
};

// xoshiro256** seeded through splitmix64: the same seed gives the same draws on every machine.
// Without a seed, a seed is taken from the clock once, so that every run can be repeated
// from the seed it reports. Each Randomize derives a fresh state from that seed and the
// number of reseeds so far.
class Random final : public RandomSource {
  public:
    explicit Random(std::optional<uint64_t> seed = std::nullopt);
    int RandInt(int n) override;
    void Randomize() override;
    uint64_t Seed() const { return seed_; }

  private:
    void Reseed(uint64_t value);
    uint64_t Next();

    uint64_t seed_;
    uint64_t reseeds_ = 0;
    uint64_t state_[4] = {};
};

}  // namespace tq3
