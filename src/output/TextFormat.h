#pragma once

#include <string>

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
inline void Field(std::string& line, const std::string& value) {
    line += value;
    line += ';';
}
inline void Field(std::string& line, int value) {
    Field(line, std::to_string(value));
}

}  // namespace tq3
