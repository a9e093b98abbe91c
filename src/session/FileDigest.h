#pragma once

#include <optional>
#include <string>

namespace tq3 {

// The SHA-256 of some bytes, as 64 lowercase hexadecimal digits.
std::string Sha256Hex(const std::string& bytes);

// The SHA-256 of a file's bytes; nothing when it is not a regular file or cannot be read.
std::optional<std::string> FileSha256(const std::string& path);

}  // namespace tq3
