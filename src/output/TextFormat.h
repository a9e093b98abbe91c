#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace tq3 {

// Small pieces shared by the writers of the game's text files.

inline std::string Num(int value) {
    return std::to_string(value);
}

inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Appends a line and its CR LF.
inline void Line(std::string& out, const std::string& text) {
    out += text;
    out += "\r\n";
}

// Appends a field and the ";" that follows every field of a table line.
inline void Field(std::string& line, std::string_view value) {
    line += value;
    line += ';';
}
// A number is formatted straight into the line.
inline void Field(std::string& line, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Field(line, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

}  // namespace tq3
