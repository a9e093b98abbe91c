#pragma once

#include <optional>
#include <string>

namespace tq3 {

int Clamp(int lo, int hi, int v);
// A whole text read as a decimal integer with an optional sign; 0 when it is not one (or
// does not fit 32 bits).
int ParseInteger(const std::string& text);
std::optional<int> TryParseInteger(const std::string& text);
int ParseTenths(const std::string& text);
std::string FormatTenths(int tenths);
// Round half to even of a / b for b > 0, as the ticket lists count their tickets.
int RoundHalfEvenDiv(int a, int b);
// Trunc(w * m / 100) with the product taken as a 32-bit integer.
int PercentOf(int w, int m);

}  // namespace tq3
