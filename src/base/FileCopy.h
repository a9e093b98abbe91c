#pragma once

#include <string>

namespace tq3 {

// Copies a whole file. With `overwrite` an existing target is replaced (through a temporary
// file beside it, so a failed copy leaves it as it was); without it an existing target is
// left alone and the copy counts as done. Gives false when the source is missing or the copy
// fails, with the message of what failed (naming the file and the system's reason) in
// `reason` when given; shows nothing.
bool CopyWholeFile(const std::string& from, const std::string& to, bool overwrite,
                   std::string* reason = nullptr);

}  // namespace tq3
