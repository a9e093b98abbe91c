#include "engine/Tickets.h"

#include <array>
#include <climits>
#include <cstdint>

#include "engine/World.h"

namespace tq3 {

namespace {
constexpr std::size_t kCountedCandidates = 64;
}  // namespace

int DrawTicket(std::span<const int> weights, RandomSource& random) {
    // The lists drawn from hold a few dozen candidates: their ticket counts are worked out
    // once, on the stack. Longer lists count them again while walking.
    std::array<int, kCountedCandidates> counted;
    const bool keep = weights.size() <= counted.size();
    int64_t total = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int tickets = RoundHalfEvenDiv(weights[i], 10);
        if (keep) counted[i] = tickets;
        if (tickets > 0) total += tickets;
    }
    if (total <= 0 || total > INT_MAX) return -1;

    // Walk the counts up to the drawn position.
    int64_t position = random.RandInt(static_cast<int>(total));
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int tickets = keep ? counted[i] : RoundHalfEvenDiv(weights[i], 10);
        if (tickets <= 0) continue;
        if (position < tickets) return static_cast<int>(i);
        position -= tickets;
    }
    return -1;
}

}  // namespace tq3
