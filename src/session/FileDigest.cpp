#include "session/FileDigest.h"

#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

std::optional<std::string> FileSha256(const std::string& path) {
    if (!FileExists(path)) return std::nullopt;
    QuietDialogs quiet;
    std::string bytes;
    if (!ReadWholeFile(quiet, path, bytes)) return std::nullopt;
    return Sha256Hex(bytes);
}

}  // namespace tq3
