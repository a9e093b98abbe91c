#include "base/Random.h"

#include <chrono>

namespace tq3 {

namespace {
uint64_t SplitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

uint64_t ClockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    uint64_t x =
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    return SplitMix(x) % 1000000000000ULL;
}
}  // namespace

Random::Random(std::optional<uint64_t> seed) : seed_(seed ? *seed : ClockSeed()) {
    Reseed(seed_);
}

void Random::Reseed(uint64_t value) {
    uint64_t x = value;
    for (uint64_t& s : state_) s = SplitMix(x);
}

void Random::Randomize() {
    ++reseeds_;
    Reseed(seed_ ^ (reseeds_ * 0xD1B54A32D192ED03ULL));
}

std::unique_ptr<RandomSource> Random::Clone() const {
    return std::make_unique<Random>(*this);
}

}  // namespace tq3
