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

std::size_t NameIndex::FoldedHash::operator()(std::string_view text) const {
    // FNV-1a over the lower-case bytes.
    std::size_t h = 14695981039346656037ull;
    for (char c : text) h = (h ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ull;
    return h;
}

bool NameIndex::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

NameIndex::NameIndex(std::span<const std::string> names, bool stopAtEmpty, const char* noneWord)
    : hasNoneWord_(noneWord != nullptr),
      noneWord_(noneWord != nullptr ? std::string_view(noneWord) : std::string_view()) {
    // The search of MatchName never passes the first empty name when it stops there.
    lastCode_ = static_cast<int>(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (stopAtEmpty && names[k].empty()) {
            lastCode_ = static_cast<int>(k) + 1;
            break;
        }
    }
    for (int k = 1; k <= lastCode_; ++k) codes_.emplace(names[k - 1], k);
    if (!names.empty()) firstName_ = names[0];
}

int NameIndex::Lookup(std::string_view text) const {
    // The none word is compared with the first name only.
    if (hasNoneWord_ && text == noneWord_)
        return lastCode_ >= 1 && FoldedEqual{}(firstName_, text) ? 1 : 0;
    const auto it = codes_.find(text);
    return it == codes_.end() ? 0 : it->second;
}

int NameIndex::Find(std::string_view text) {
    if (lastAnswer_ < 0 || text != lastText_) {
        lastAnswer_ = Lookup(text);
        lastText_.assign(text);
    }
    return lastAnswer_;
}

}  // namespace tq3
