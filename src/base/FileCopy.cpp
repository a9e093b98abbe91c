#include "base/FileCopy.h"

#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
// Takes the messages of the whole-file operations without showing them.
struct SilentDialogs : Dialogs {
    void Error(const std::string&) override {}
    void Info(const std::string&) override {}
    Answer Confirm(const std::string&, Buttons) override { return Answer::Cancel; }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string&, int, const std::string&) override {}
};
}  // namespace

bool CopyWholeFile(const std::string& from, const std::string& to, bool overwrite) {
    if (!FileExists(from)) return false;
    if (!overwrite && FileExists(to)) return true;
    SilentDialogs silent;
    std::string bytes;
    return ReadWholeFile(silent, from, bytes) && WriteWholeFile(silent, to, bytes, false);
}

}  // namespace tq3
