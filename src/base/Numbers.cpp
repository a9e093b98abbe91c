#include "base/Numbers.h"

#include <cstdint>
#include <cstdlib>

namespace tq3 {

std::optional<int> TryParseInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}

int ParseTenths(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::string_view whole = dot == std::string_view::npos ? text : text.substr(0, dot);
    int digit = 0;
    if (dot != std::string_view::npos && dot + 1 < text.size() && text[dot + 1] >= '0' &&
        text[dot + 1] <= '9')
        digit = text[dot + 1] - '0';
    // Taken modulo 2^32 as a 32-bit machine word would: a huge value cannot overflow.
    const uint32_t tenths =
        10u * static_cast<uint32_t>(ParseInteger(whole)) + static_cast<uint32_t>(digit);
    return static_cast<int32_t>(tenths);
}

std::string FormatTenths(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(std::abs(tenths % 10));
}

std::string HexText(const unsigned char* bytes, std::size_t count) {
    static constexpr const char* kHexDigits = "0123456789abcdef";
    std::string text;
    text.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        text += kHexDigits[bytes[i] >> 4];
        text += kHexDigits[bytes[i] & 0xf];
    }
    return text;
}

}  // namespace tq3
