#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/Dialogs.h"

namespace tq3 {

constexpr std::size_t MaxLineLength = 1200;
constexpr std::size_t MaxListElement = 99;

// Reads a whole file as raw bytes. On failure it has beeped and shown its message, and
// gives false with `text` untouched.
bool ReadWholeFile(Dialogs& dialogs, const std::string& name, std::string& text);

// Writes `text` as the whole file, or appends it when `append` is set and the file exists.
// The new content goes to a temporary file beside the target and replaces it only when
// complete, so a failure leaves the old file as it was.
bool WriteWholeFile(Dialogs& dialogs, const std::string& name, const std::string& text,
                    bool append);

// Leading and trailing characters with codes of 32 or less removed.
std::string Trim(const std::string& text);

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

std::string FirstValueOf(const std::string& line);
std::string ValuesOf(const std::string& line);
int IntValueOf(const std::string& line);
bool BoolValueOf(const std::string& line);

void SplitStrings(const std::string& text, std::span<std::string> list, int lastIndex);
void SplitShorts(const std::string& text, std::span<int16_t> list, int lastIndex);
void SplitBytes(const std::string& text, std::span<uint8_t> list, int lastIndex);

}  // namespace tq3
