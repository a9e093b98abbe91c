#pragma once

#include <cstdint>
#include <memory>
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
    // A source that goes on from here exactly as this one would; none from a source that
    // cannot be copied (such a source draws only worlds without rerolls).
    virtual std::unique_ptr<RandomSource> Clone() const { return nullptr; }
};

// xoshiro256** seeded through splitmix64: the same seed gives the same draws on every machine.
// Without a seed, a seed is taken from the clock once, so that every run can be repeated
// from the seed it reports. Each Randomize derives a fresh state from that seed and the
// number of reseeds so far.
class Random final : public RandomSource {
  public:
    explicit Random(std::optional<uint64_t> seed = std::nullopt);
    // Defined here, so that a loop that holds a Random (see WithDirectDraws) draws without a
    // call.
    int RandInt(int n) override {
        if (n <= 0) return 0;
        for (;;) {
            const int drawn = DrawOf(Next(), n);
            if (drawn >= 0) return drawn;
        }
    }
    // For loops that work out many draws ahead: the generator's next number, and the draw
    // RandInt(n) (n above 0) makes of such a number, -1 for the rare number it turns down and
    // draws again for. Lemire's multiply-and-reject: unbiased and the same on every platform;
    // the rejection threshold (a division) is needed only when the low half falls below n.
    uint64_t NextNumber() { return Next(); }
    static int DrawOf(uint64_t number, int n) {
        const uint64_t range = static_cast<uint64_t>(n);
        const unsigned __int128 m = static_cast<unsigned __int128>(number) * range;
        if (static_cast<uint64_t>(m) < range) [[unlikely]] {
            if (static_cast<uint64_t>(m) < (0 - range) % range) return -1;
        }
        return static_cast<int>(m >> 64);
    }
    void Randomize() override;
    std::unique_ptr<RandomSource> Clone() const override;
    uint64_t Seed() const { return seed_; }

  private:
    void Reseed(uint64_t value);
    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t Next() {
        const uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    uint64_t seed_;
    uint64_t reseeds_ = 0;
    uint64_t state_[4] = {};
};

// Calls `body` with the random source as the program's own Random when it is one, so that a
// hot loop draws without a virtual call, and as the interface otherwise (the scripted sources
// of the tests). The draws are the same either way.
template <class Body>
decltype(auto) WithDirectDraws(RandomSource& random, Body&& body) {
    if (auto* own = dynamic_cast<Random*>(&random)) return body(*own);
    return body(random);
}

}  // namespace tq3
