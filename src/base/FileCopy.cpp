#include "base/FileCopy.h"

#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

bool CopyWholeFile(const std::string& from, const std::string& to, bool overwrite) {
    if (!FileExists(from)) return false;
    if (!overwrite && FileExists(to)) return true;
    QuietDialogs silent;
    std::string bytes;
    return ReadWholeFile(silent, from, bytes) && WriteWholeFile(silent, to, bytes, false);
}

}  // namespace tq3
