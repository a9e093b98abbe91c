#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "session/SeedSweep.h"

namespace tq3 {

// The orders in which a sweep's worlds are ranked, best first.
enum class SweepOrder {
    Fairness,      // the fairest first: highest fairness
    IncomeSpread,  // the most even income first: lowest Gini
    Wildest,       // the least fair first: lowest fairness
    NativeLand,    // the most native land first
    Distance,      // the majors farthest apart first: highest nearest-rival distance of any major
};

struct SweepOrderName {
    const char* name;  // as given to --sort
    SweepOrder order;
};
inline constexpr std::array<SweepOrderName, 5> SweepOrders = {{
    {"fairness", SweepOrder::Fairness},
    {"income-spread", SweepOrder::IncomeSpread},
    {"wildest", SweepOrder::Wildest},
    {"native-land", SweepOrder::NativeLand},
    {"distance", SweepOrder::Distance},
}};
std::optional<SweepOrder> SweepOrderFromName(std::string_view name);

// The smallest distance between a major's capital and its nearest rival's, over the majors
// that reach one; -1 when none does.
int ClosestRivals(const WorldBalance& balance);

// Whether row a ranks before row b: by the order's measure, then by the lower seed.
bool RanksBefore(SweepOrder order, const SweepRow& a, const SweepRow& b);

// The best rows of a sweep in one order, kept as they come: memory for `count` rows, whatever
// the number of seeds.
class BestSeeds {
  public:
    BestSeeds(SweepOrder order, std::size_t count) : order_(order), count_(count) {}
    void Offer(const SweepRow& row);
    // The rows kept, best first.
    std::vector<SweepRow> Ranked() const;

  private:
    SweepOrder order_;
    std::size_t count_;
    std::vector<SweepRow> heap_;  // the worst kept row on top
};

// Counts of fairness values in equal bins over 0..1 (fairness 1 in the last bin).
class FairnessHistogram {
  public:
    explicit FairnessHistogram(int bins) : counts_(static_cast<std::size_t>(bins)) {}
    void Add(double fairness);
    const std::vector<uint64_t>& Counts() const { return counts_; }

  private:
    std::vector<uint64_t> counts_;
};

}  // namespace tq3
