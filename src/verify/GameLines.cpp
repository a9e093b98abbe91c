#include "verify/GameLines.h"

namespace tq3 {

namespace {
// Reports the bytes of one line that the game's text cannot hold: NUL, and CR inside it.
void CheckLineBytes(std::string_view text, const std::string& file, int number,
                    FindingList& findings) {
    if (text.find('\0') != std::string_view::npos)
        findings.Add(file, number, "the line holds a NUL byte");
    if (text.find('\r') != std::string_view::npos)
        findings.Add(file, number, "the line holds a CR that no LF follows");
}
}  // namespace

std::vector<GameLine> SplitGameLines(std::string_view bytes, const std::string& file,
                                     FindingList& findings, bool lastLineEnded) {
    std::vector<GameLine> lines;
    std::size_t start = 0;
    int number = 0;
    while (start < bytes.size()) {
        ++number;
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            const std::string_view text = bytes.substr(start);
            CheckLineBytes(text, file, number, findings);
            if (lastLineEnded) findings.Add(file, number, "the last line does not end with CR LF");
            lines.push_back({text, number});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        const std::string_view text = bytes.substr(start, lf - start - (crlf ? 1 : 0));
        CheckLineBytes(text, file, number, findings);
        if (!crlf) findings.Add(file, number, "the line ends with LF alone, not CR LF");
        lines.push_back({text, number});
        start = lf + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitFields(std::string_view row) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = row.find(';', start);
        if (semicolon == std::string_view::npos) {
            fields.push_back(row.substr(start));
            return fields;
        }
        fields.push_back(row.substr(start, semicolon - start));
        start = semicolon + 1;
    }
}

}  // namespace tq3
