#include "verify/GameLines.h"

#include <algorithm>

namespace tq3 {

namespace {
// A guess at the length of a line, to reserve the list of lines once.
constexpr std::size_t ExpectedLineLength = 32;

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
    lines.reserve(bytes.size() / ExpectedLineLength);
    // Most texts hold neither NUL nor a CR outside a line end: then no line is searched for them.
    const bool nul = bytes.find('\0') != std::string_view::npos;
    std::size_t crs = 0;
    for (std::size_t cr = bytes.find('\r'); cr != std::string_view::npos;
         cr = bytes.find('\r', cr + 1))
        ++crs;
    std::size_t lineEndCrs = 0;
    std::size_t start = 0;
    int number = 0;
    while (start < bytes.size()) {
        ++number;
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            const std::string_view text = bytes.substr(start);
            if (lastLineEnded) findings.Add(file, number, "the last line does not end with CR LF");
            lines.push_back({text, number});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        lineEndCrs += crlf ? 1 : 0;
        if (!crlf) findings.Add(file, number, "the line ends with LF alone, not CR LF");
        lines.push_back({bytes.substr(start, lf - start - (crlf ? 1 : 0)), number});
        start = lf + 1;
    }
    if (nul || crs != lineEndCrs)
        for (const GameLine& line : lines) CheckLineBytes(line.text, file, line.number, findings);
    return lines;
}

void SplitFields(std::string_view row, std::vector<std::string_view>& fields) {
    // Fields are short: a plain walk beats a search per field.
    fields.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != ';') continue;
        fields.push_back(row.substr(start, i - start));
        start = i + 1;
    }
    fields.push_back(row.substr(start));
}

std::vector<std::string_view> SplitFields(std::string_view row) {
    std::vector<std::string_view> fields;
    fields.reserve(static_cast<std::size_t>(std::count(row.begin(), row.end(), ';')) + 1);
    SplitFields(row, fields);
    return fields;
}

}  // namespace tq3
