#include "base/FileCopy.h"

#include "base/GamePath.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
// Shows nothing and keeps the last error.
class LastErrorOnly final : public Dialogs {
  public:
    void Error(const std::string& text) override { last = text; }
    void Info(const std::string&) override {}
    Answer Confirm(const std::string&, Buttons buttons) override {
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string&, int, const std::string&) override {}
    std::string last;
};
}  // namespace

bool CopyWholeFile(const std::string& from, const std::string& to, bool overwrite,
                   std::string* reason) {
    if (!FileExists(from)) {
        if (reason) *reason = "File: \"" + AbsolutePath(from) + "\" does not exist!";
        return false;
    }
    if (!overwrite && FileExists(to)) return true;
    LastErrorOnly errors;
    std::string bytes;
    const bool copied =
        ReadWholeFile(errors, from, bytes) && WriteWholeFile(errors, to, bytes, false);
    if (!copied && reason) *reason = errors.last;
    return copied;
}

}  // namespace tq3
