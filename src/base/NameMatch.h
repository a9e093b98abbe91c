#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tq3 {

// ASCII letters compared without regard to case; everything else exactly.
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

// The code (1-based) of the first name in `names` equal to `text` without regard to case, or 0.
// With `stopAtEmpty` the search ends at the first empty name that does not match; the search
// also ends with 0 at the first mismatch when `text` is `noneWord`.
int MatchName(std::span<const std::string> names, const std::string& text, bool stopAtEmpty,
              const char* noneWord);

// A name list indexed once for many lookups: Find gives what MatchName gives for the same
// list and options, without walking the list. The last answer is kept, since neighbouring
// rows of a table often name the same thing.
class NameIndex {
  public:
    NameIndex(std::span<const std::string> names, bool stopAtEmpty, const char* noneWord);
    int Find(std::string_view text);

  private:
    // Names are hashed and compared without regard to ASCII case.
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    int Lookup(std::string_view text) const;

    std::unordered_map<std::string, int, FoldedHash, FoldedEqual> codes_;  // name -> first code
    int lastCode_ = 0;  // codes above it are never reached
    std::string firstName_;
    bool hasNoneWord_;
    std::string_view noneWord_;
    std::string lastText_;
    int lastAnswer_ = -1;  // none kept yet
};

}  // namespace tq3
