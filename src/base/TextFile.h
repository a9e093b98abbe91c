#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/Dialogs.h"
#include "base/TemporaryFile.h"

namespace tq3 {

constexpr std::size_t MaxLineLength = 1200;
constexpr std::size_t MaxListElement = 99;

// Reads a whole file as raw bytes. On failure it has beeped and shown its message, and
// gives false with `text` untouched. A file larger than `limit` bytes is not read.
bool ReadWholeFile(Dialogs& dialogs, const std::string& name, std::string& text,
                   std::uint64_t limit = UINT64_MAX);

// Writes `text` as the whole file, or appends it when `append` is set and the file exists.
// The new content goes to a temporary file beside the target and replaces it only when
// complete, so a failure leaves the old file as it was.
bool WriteWholeFile(Dialogs& dialogs, const std::string& name, const std::string& text,
                    bool append);

// Line ends. The game's files end their lines with CR LF. A text saved with LF alone (as
// editors on Linux may save it) is read as lines too: NormalizeLineFeeds turns its LF into
// CR LF and gives true when it did. A text that mixes both keeps its bytes;
// FirstBareLineFeed gives the 1-based number of its first line that ends with LF alone
// (0 when none), which the loaders report.
bool NormalizeLineFeeds(std::string& text);
int FirstBareLineFeed(const std::string& text);

// ReadWholeFile for a text read line by line: an LF-only text is taken as CR LF lines, and
// in a text that mixes both the first line ending with LF alone is reported as a problem.
bool ReadTextFile(Dialogs& dialogs, const std::string& name, std::string& text);

// Leading and trailing characters with codes of 32 or less removed.
std::string Trim(const std::string& text);
// The same, as a view into `text`.
inline std::string_view TrimView(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    if (text.empty() || (!blank(text.front()) && !blank(text.back()))) return text;
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

struct SettingLine {
    std::string line;  // from the key up to the next CR LF, at most 1200 characters
    std::size_t start = std::string::npos;
    std::size_t end = std::string::npos;
    bool found = false;
};
// The first line of the settings text that begins with `key` and ";" right after a CR LF.
SettingLine FindSettingLine(const std::string& settingsText, const std::string& key);

// A cursor over a text; ReadNextLine moves it line by line.
struct LineCursor {
    explicit LineCursor(const std::string& t) : text(&t) {}
    const std::string* text;
    std::size_t pos = 0;
    bool done = false;
    int lineNumber = 0;  // 1-based number of the line last read
};
std::string ReadNextLine(LineCursor& cursor);
// The same line as a view into the cursor's text.
std::string_view ReadNextLineView(LineCursor& cursor);

std::string FirstValueOf(std::string_view line);
// The trimmed text between the first and the second ";" of a line, as a view into it.
std::string_view FirstValueView(std::string_view line);
std::string ValuesOf(std::string_view line);
// The trimmed text after the first ";" of a line, as a view into it.
std::string_view ValuesView(std::string_view line);
int IntValueOf(std::string_view line);
bool BoolValueOf(std::string_view line);

void SplitStrings(std::string_view text, std::span<std::string> list, int lastIndex);
void SplitShorts(std::string_view text, std::span<int16_t> list, int lastIndex);
void SplitBytes(std::string_view text, std::span<uint8_t> list, int lastIndex);

}  // namespace tq3
