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

uint64_t Rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
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

uint64_t Random::Next() {
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

int Random::RandInt(int n) {
    if (n <= 0) return 0;
    // Lemire's multiply-and-reject: unbiased and the same on every platform. The rejection
    // threshold (a division) is needed only when the low half falls below the range.
    const uint64_t range = static_cast<uint64_t>(n);
    unsigned __int128 m = static_cast<unsigned __int128>(Next()) * range;
    if (static_cast<uint64_t>(m) < range) {
        const uint64_t threshold = (0 - range) % range;
        while (static_cast<uint64_t>(m) < threshold)
            m = static_cast<unsigned __int128>(Next()) * range;
    }
    return static_cast<int>(m >> 64);
}

}  // namespace tq3
