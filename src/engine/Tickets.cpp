#include "engine/Tickets.h"

#include <climits>

#include "engine/World.h"

namespace tq3 {

namespace {
constexpr std::size_t kCountedCandidates = 64;
constexpr int kWeightPerTicket = 10;

int TicketsOf(int weight) {
    return RoundHalfEvenDiv(weight, kWeightPerTicket);
}

// Walks the ticket counts up to the drawn position.
template <class Tickets>
int Holder(std::size_t candidates, int64_t position, Tickets&& ticketsOf) {
    for (std::size_t i = 0; i < candidates; ++i) {
        const int tickets = ticketsOf(i);
        if (tickets <= 0) continue;
        if (position < tickets) return static_cast<int>(i);
        position -= tickets;
    }
    return -1;
}
}  // namespace

template <class Source>
int DrawTicketFrom(std::span<const int> weights, Source& random) {
    // The lists drawn from hold a few dozen candidates: their ticket counts are worked out
    // once, on the stack. Longer lists count them again while walking.
    std::array<int, kCountedCandidates> counted;
    const bool keep = weights.size() <= counted.size();
    int64_t total = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int tickets = TicketsOf(weights[i]);
        if (keep) counted[i] = tickets;
        if (tickets > 0) total += tickets;
    }
    if (total <= 0 || total > INT_MAX) return -1;
    return Holder(weights.size(), random.RandInt(static_cast<int>(total)),
                  [&](std::size_t i) { return keep ? counted[i] : TicketsOf(weights[i]); });
}

int DrawTicket(std::span<const int> weights, RandomSource& random) {
    return DrawTicketFrom(weights, random);
}

int DrawTicket(std::span<const int> weights, Random& random) {
    return DrawTicketFrom(weights, random);
}

template <std::size_t N>
TicketList<N>::TicketList(std::span<const int, N> weights) {
    int64_t total = 0;
    for (std::size_t i = 0; i < N; ++i) {
        tickets_[i] = TicketsOf(weights[i]);
        if (tickets_[i] > 0) total += tickets_[i];
    }
    total_ = total <= 0 || total > INT_MAX ? 0 : static_cast<int>(total);
}

template <std::size_t N>
int TicketList<N>::Draw(RandomSource& random) const {
    if (total_ == 0) return -1;
    return Holder(N, random.RandInt(total_), [&](std::size_t i) { return tickets_[i]; });
}

template <std::size_t N>
int TicketList<N>::Draw(Random& random) const {
    if (total_ == 0) return -1;
    return Holder(N, random.RandInt(total_), [&](std::size_t i) { return tickets_[i]; });
}

template class TicketList<GoodsCodes>;

}  // namespace tq3
