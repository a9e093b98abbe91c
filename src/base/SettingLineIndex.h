#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace tq3 {

// The first line of every key of a settings text, found in one pass over the text: Line(key)
// is the line FindSettingLine gives for that key, without searching the text once per key.
// The index points into the text, which must outlive it unchanged.
class SettingLineIndex {
  public:
    explicit SettingLineIndex(const std::string& settingsText);
    // From the key up to the next CR LF, at most 1200 characters; empty when no line after a
    // CR LF begins with the key and ";".
    std::string_view Line(std::string_view key) const;

  private:
    std::unordered_map<std::string_view, std::string_view> lines_;
};

}  // namespace tq3
