#pragma once

#include <string>

namespace tq3 {

// Copies a whole file. With `overwrite` an existing target is replaced (through a temporary
// file beside it, so a failed copy leaves it as it was); without it an existing target is
// left alone and the copy counts as done. Gives false when the source is missing or the copy
// fails; shows nothing.
bool CopyWholeFile(const std::string& from, const std::string& to, bool overwrite);

}  // namespace tq3
