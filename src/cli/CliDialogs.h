#pragma once

#include <iosfwd>
#include <string>

#include "base/Dialogs.h"

namespace tq3 {

// The command line's dialogs: every message goes to stderr unchanged, questions get fixed
// answers (Yes to the start-up backup, OK to the closing question), problems are printed as
// "file:line: text". What a command did comes from its reports, not from here.
class CliDialogs : public Dialogs {
  public:
    explicit CliDialogs(std::ostream& err) : err_(err) {}

    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    Answer Confirm(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override;
    void Progress(int position) override;
    void Problem(const std::string& file, int line, const std::string& text) override;

    // The folder that ChooseFolder answers with (none: the user cancels).
    void SetChosenFolder(std::optional<std::string> folder) { folder_ = std::move(folder); }

  private:
    std::ostream& err_;
    std::optional<std::string> folder_;
};

}  // namespace tq3
