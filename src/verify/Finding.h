#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tq3 {

// One rule a game file breaks: the file as the game folder names it ("DB/Province.csv"),
// the 1-based line (0 when the finding is about the whole file) and what is wrong.
struct Finding {
    std::string file;
    int line = 0;
    std::string text;
};

// "file:line: text", or "file: text" for a finding without a line.
std::string FormatFinding(const Finding& finding);

// Gathers the findings of a check. A file broken throughout (every line with LF alone) would
// bury the rest: after MaxPerFile findings a file gets one more that counts what was left out.
class FindingList {
  public:
    static constexpr int MaxPerFile = 100;

    void Add(const std::string& file, int line, std::string text);
    // The findings in the order found, each file's left-out count at its end.
    std::vector<Finding> Take();
    bool empty() const { return findings_.empty(); }

  private:
    std::vector<Finding> findings_;
    std::map<std::string, int> perFile_;
};

}  // namespace tq3
