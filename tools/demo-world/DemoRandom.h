#pragma once

#include <cstdint>

// The demo world's own random source: splitmix64, so that a seed gives the same world on
// every machine and with every standard library.
class DemoRandom {
  public:
    explicit DemoRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next();
    // A uniform integer in 0..n-1; 0 when n is 0 or less.
    int Below(int n);
    // An integer in lo..hi, both included.
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    // A uniform real in [0, 1).
    double Unit();
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // True with the given chance in percent.
    bool Chance(int percent) { return Below(100) < percent; }

  private:
    uint64_t state_;
};
