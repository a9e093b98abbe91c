#pragma once

#include <algorithm>
#include <string>
#include <vector>

using namespace tq3;

namespace test {

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline bool HasLine(const std::string& text, const std::string& line) {
    const auto lines = SplitLines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

inline int CountLines(const std::string& text, const std::string& line) {
    const auto lines = SplitLines(text);
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace test
