#pragma once

#include <QString>
#include <string>

namespace tq3 {

// The game's texts are 8-bit Windows-1252. Every byte decodes to one character (the five
// bytes the code page leaves open become the C1 control of the same number), and encoding
// gives the same bytes back, so a text shown and written back is unchanged.
QString FromCp1252(const std::string& bytes);
// Characters outside the code page become '?'.
std::string ToCp1252(const QString& text);

// A message for a box: UTF-8 when it is valid UTF-8 (it names files of this system), the
// game's code page otherwise, with CR LF line breaks as plain line breaks.
QString MessageText(const std::string& text);

}  // namespace tq3
