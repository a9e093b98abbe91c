#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tq3 {

// A whole text read as a decimal integer with an optional sign; nothing when it is not one
// (or does not fit 32 bits).
std::optional<int> TryParseInteger(std::string_view text);
// The same, 0 when the text is not such a number.
inline int ParseInteger(std::string_view text) {
    // Up to nine plain digits, the usual case, cannot leave the range of an int.
    if (!text.empty() && text.size() <= 9) {
        int value = 0;
        for (const char c : text) {
            const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
            if (digit > 9) return TryParseInteger(text).value_or(0);
            value = value * 10 + static_cast<int>(digit);
        }
        return value;
    }
    return TryParseInteger(text).value_or(0);
}
int ParseTenths(std::string_view text);
// Bytes as lowercase hexadecimal digits, two a byte.
std::string HexText(const unsigned char* bytes, std::size_t count);
std::string FormatTenths(int tenths);
// Round half to even of a / b for b > 0, as the ticket lists count their tickets.
inline int RoundHalfEvenDiv(int a, int b) {
    int q = a / b;
    int r = a % b;
    if (r < 0) {
        r += b;
        --q;
    }
    // q <= a / b < q + 1; the remainder is compared with what is left of b, which cannot
    // overflow where twice the remainder could.
    if (r > b - r || (r == b - r && (q % 2 != 0))) ++q;
    return q;
}
// Trunc(w * m / 100) with the product taken as a 32-bit integer.
inline int PercentOf(int w, int m) {
    const int32_t product =
        static_cast<int32_t>(static_cast<uint32_t>(w) * static_cast<uint32_t>(m));
    return product / 100;
}

// The low 8 or 16 bits of a number, as the loaders keep values in their fields.
inline int8_t Low8(int v) {
    return static_cast<int8_t>(static_cast<uint8_t>(v));
}
inline int16_t Low16(int v) {
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}

}  // namespace tq3
