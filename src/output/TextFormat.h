#pragma once

#include <charconv>
#include <concepts>
#include <cstdlib>
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

// Appends a piece of text.
inline void Append(std::string& out, std::string_view text) {
    out += text;
}
// Appends a whole number as Num writes it.
template <std::integral Number>
void Append(std::string& out, Number value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<int>(value)).ptr;
    out.append(digits, end);
}

// Appends a line made of its pieces (texts and whole numbers) and its CR LF.
template <class... Pieces>
void Line(std::string& out, const Pieces&... pieces) {
    (Append(out, pieces), ...);
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

// A number of tenths, written "whole.tenth" as FormatTenths writes it.
struct Tenths {
    int value;
};
inline void Field(std::string& line, Tenths tenths) {
    Append(line, tenths.value / 10);
    line += '.';
    Append(line, std::abs(tenths.value % 10));
    line += ';';
}

}  // namespace tq3
