#include "verify/RuleText.h"

namespace tq3 {

namespace {
constexpr std::size_t MaxQuoted = 40;
constexpr std::size_t TagLength = 3;
}  // namespace

bool IsTag(std::string_view text) {
    if (text.size() != TagLength) return false;
    for (const char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    return true;
}

bool IsOneOf(const std::vector<std::string>& names, std::string_view name) {
    for (const std::string& n : names)
        if (n == name) return true;
    return false;
}

std::string Quoted(std::string_view text) {
    if (text.size() > MaxQuoted) return "\"" + std::string(text.substr(0, MaxQuoted)) + "...\"";
    return "\"" + std::string(text) + "\"";
}

std::string RangeText(const ValueRange& range) {
    if (range.lo == range.hi) return std::to_string(range.lo);
    return std::to_string(range.lo) + " to " + std::to_string(range.hi);
}

}  // namespace tq3
