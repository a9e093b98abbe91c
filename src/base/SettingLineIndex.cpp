#include "base/SettingLineIndex.h"

#include <algorithm>

#include "base/TextFile.h"

namespace tq3 {

SettingLineIndex::SettingLineIndex(const std::string& settingsText) {
    const std::string_view text = settingsText;
    // Every line that follows a CR LF names its key before the first ";"; the first line of
    // the text follows none and is never a setting.
    std::size_t crlf = text.find("\r\n");
    while (crlf != std::string_view::npos) {
        const std::size_t start = crlf + 2;
        crlf = text.find("\r\n", start);
        const std::size_t lineEnd = crlf == std::string_view::npos ? text.size() : crlf;
        const std::size_t semi = text.find(';', start);
        if (semi == std::string_view::npos || semi > lineEnd) continue;
        const std::size_t end = std::min(lineEnd, start + MaxLineLength);
        lines_.emplace(text.substr(start, semi - start), text.substr(start, end - start));
    }
}

std::string_view SettingLineIndex::Line(std::string_view key) const {
    const auto it = lines_.find(key);
    return it == lines_.end() ? std::string_view{} : it->second;
}

}  // namespace tq3
