#include "base/FileCopy.h"

#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

bool CopyWholeFile(const std::string& from, const std::string& to, bool overwrite,
                   std::string* reason) {
    if (!FileExists(from)) {
        if (reason) *reason = "File: \"" + AbsolutePath(from) + "\" does not exist!";
        return false;
    }
    if (!overwrite && FileExists(to)) return true;
    QuietDialogs errors;
    std::string bytes;
    const bool copied =
        ReadWholeFile(errors, from, bytes) && WriteWholeFile(errors, to, bytes, false);
    if (!copied && reason) *reason = errors.lastError;
    return copied;
}

}  // namespace tq3
