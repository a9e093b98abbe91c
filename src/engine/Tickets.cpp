#include "engine/Tickets.h"

#include <climits>
#include <cstdint>

#include "engine/World.h"

namespace tq3 {

int DrawTicket(std::span<const int> weights, RandomSource& random) {
    // Count the tickets of every candidate; the list itself is never built.
    int64_t total = 0;
    for (int w : weights) {
        const int tickets = RoundHalfEvenDiv(w, 10);
        if (tickets > 0) total += tickets;
    }
    if (total <= 0 || total > INT_MAX) return -1;

    // Walk the counts up to the drawn position.
    int64_t position = random.RandInt(static_cast<int>(total));
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int tickets = RoundHalfEvenDiv(weights[i], 10);
        if (tickets <= 0) continue;
        if (position < tickets) return static_cast<int>(i);
        position -= tickets;
    }
    return -1;
}

}  // namespace tq3
