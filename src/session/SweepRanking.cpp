#include "session/SweepRanking.h"

#include <algorithm>
#include <climits>

namespace tq3 {

std::optional<SweepOrder> SweepOrderFromName(std::string_view name) {
    for (const SweepOrderName& o : SweepOrders)
        if (name == o.name) return o.order;
    return std::nullopt;
}

int ClosestRivals(const WorldBalance& balance) {
    int closest = INT_MAX;
    for (const MajorBalance& m : balance.majors)
        if (m.capitalDistance >= 0) closest = std::min(closest, m.capitalDistance);
    return closest == INT_MAX ? -1 : closest;
}

bool RanksBefore(SweepOrder order, const SweepRow& a, const SweepRow& b) {
    const WorldBalance& x = a.balance;
    const WorldBalance& y = b.balance;
    // Higher is better in every order but the income spread and the wildest.
    const auto better = [&](double ax, double by) -> std::optional<bool> {
        if (ax != by) return ax > by;
        return std::nullopt;
    };
    std::optional<bool> decided;
    switch (order) {
        case SweepOrder::Fairness:
            decided = better(x.fairness, y.fairness);
            break;
        case SweepOrder::IncomeSpread:
            decided = better(-x.incomeGini, -y.incomeGini);
            break;
        case SweepOrder::Wildest:
            decided = better(-x.fairness, -y.fairness);
            break;
        case SweepOrder::NativeLand:
            decided = better(x.nativeShare, y.nativeShare);
            break;
        case SweepOrder::Distance:
            decided = better(ClosestRivals(x), ClosestRivals(y));
            break;
    }
    return decided ? *decided : a.seed < b.seed;
}

void BestSeeds::Offer(const SweepRow& row) {
    if (count_ == 0) return;
    const auto worseOnTop = [this](const SweepRow& a, const SweepRow& b) {
        return RanksBefore(order_, a, b);
    };
    if (heap_.size() < count_) {
        heap_.push_back(row);
        std::push_heap(heap_.begin(), heap_.end(), worseOnTop);
        return;
    }
    if (!RanksBefore(order_, row, heap_.front())) return;
    std::pop_heap(heap_.begin(), heap_.end(), worseOnTop);
    heap_.back() = row;
    std::push_heap(heap_.begin(), heap_.end(), worseOnTop);
}

std::vector<SweepRow> BestSeeds::Ranked() const {
    std::vector<SweepRow> rows = heap_;
    std::sort(rows.begin(), rows.end(),
              [this](const SweepRow& a, const SweepRow& b) { return RanksBefore(order_, a, b); });
    return rows;
}

void FairnessHistogram::Add(double fairness) {
    if (counts_.empty()) return;
    const double clamped = std::clamp(fairness, 0.0, 1.0);
    const auto last = counts_.size() - 1;
    const auto bin =
        std::min(last, static_cast<std::size_t>(clamped * static_cast<double>(counts_.size())));
    ++counts_[bin];
}

}  // namespace tq3
