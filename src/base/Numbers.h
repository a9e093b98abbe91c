#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tq3 {

int Clamp(int lo, int hi, int v);
// A whole text read as a decimal integer with an optional sign; 0 when it is not one (or
// does not fit 32 bits).
int ParseInteger(std::string_view text);
std::optional<int> TryParseInteger(std::string_view text);
int ParseTenths(std::string_view text);
std::string FormatTenths(int tenths);
// Round half to even of a / b for b > 0, as the ticket lists count their tickets.
int RoundHalfEvenDiv(int a, int b);
// Trunc(w * m / 100) with the product taken as a 32-bit integer.
int PercentOf(int w, int m);

// The low 8 or 16 bits of a number, as the loaders keep values in their fields.
inline int8_t Low8(int v) {
    return static_cast<int8_t>(static_cast<uint8_t>(v));
}
inline int16_t Low16(int v) {
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}

}  // namespace tq3
