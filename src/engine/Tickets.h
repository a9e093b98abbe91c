#pragma once

#include <span>

#include "base/Random.h"

namespace tq3 {

// A weighted choice by ticket list: candidate i holds Round(weights[i] / 10) tickets (round
// half to even; none when that is 0 or less), the candidates in order, and one ticket is drawn
// with RandInt(number of tickets). Gives the index of the candidate that holds the drawn ticket,
// or -1 without taking a draw when no candidate holds a ticket.
int DrawTicket(std::span<const int> weights, RandomSource& random);

}  // namespace tq3
