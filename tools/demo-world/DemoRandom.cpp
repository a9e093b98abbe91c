#include "DemoRandom.h"

uint64_t DemoRandom::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int DemoRandom::Below(int n) {
    if (n <= 0) return 0;
    // Rejection keeps the draw uniform for every n.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t v;
    do v = Next();
    while (v >= limit);
    return static_cast<int>(v % range);
}

double DemoRandom::Unit() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}
