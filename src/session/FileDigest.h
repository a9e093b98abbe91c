#pragma once

#include <optional>
#include <string>

#include "base/Platform.h"  // Sha256Hex

namespace tq3 {

// The SHA-256 of a file's bytes; nothing when it is not a regular file or cannot be read.
std::optional<std::string> FileSha256(const std::string& path);

}  // namespace tq3
