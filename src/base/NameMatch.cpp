#include "base/NameMatch.h"

namespace tq3 {

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

int MatchName(std::span<const std::string> names, const std::string& text, bool stopAtEmpty,
              const char* noneWord) {
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (SameTextIgnoringCase(names[k], text)) return static_cast<int>(k) + 1;
        if (stopAtEmpty && names[k].empty()) return 0;
        if (noneWord != nullptr && text == noneWord) return 0;
    }
    return 0;
}

}  // namespace tq3
