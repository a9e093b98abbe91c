#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "verify/VerifySettings.h"

namespace tq3 {

// Small readings that the rules of several files share.

// A decimal integer with an optional minus sign and nothing else; nothing when the text is
// not one or has more digits than any value of the game's files. Inline: the tables hold tens
// of thousands of them.
inline std::optional<long long> WholeNumber(std::string_view text) {
    constexpr std::size_t MaxDigits = 15;
    constexpr unsigned Base = 10;
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > MaxDigits) return std::nullopt;
    long long value = 0;
    for (const char c : digits) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit >= Base) return std::nullopt;
        value = value * Base + digit;
    }
    return negative ? -value : value;
}

// A country tag: three ASCII letters.
bool IsTag(std::string_view text);
// Whether `name` is one of `names` (exact, as the writers copy them).
bool IsOneOf(const std::vector<std::string>& names, std::string_view name);
// A text as a finding quotes it: in double quotes, cut after 40 characters.
std::string Quoted(std::string_view text);
// "5 (allowed 0 to 3)" style text of a range.
std::string RangeText(const ValueRange& range);

}  // namespace tq3
