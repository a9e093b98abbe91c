#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "base/Random.h"

namespace tq3 {

// A weighted choice by ticket list: candidate i holds Round(weights[i] / 10) tickets (round
// half to even; none when that is 0 or less), the candidates in order, and one ticket is drawn
// with RandInt(number of tickets). Gives the index of the candidate that holds the drawn ticket,
// or -1 without taking a draw when no candidate holds a ticket.
int DrawTicket(std::span<const int> weights, RandomSource& random);
// The same with the program's own source, drawing without a virtual call.
int DrawTicket(std::span<const int> weights, Random& random);

// The tickets of up to N candidates worked out once, for drawing from the same weights
// again and again as DrawTicket draws from them.
template <std::size_t N>
class TicketList {
  public:
    TicketList() = default;
    explicit TicketList(std::span<const int, N> weights);
    // As DrawTicket(weights, random).
    int Draw(RandomSource& random) const;
    int Draw(Random& random) const;

  private:
    std::array<int, N> tickets_{};
    int total_ = 0;  // 0 when no candidate holds a ticket, or more than RandInt can draw
};

}  // namespace tq3
