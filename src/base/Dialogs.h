#pragma once

#include <optional>
#include <string>

namespace tq3 {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// Every message to the user goes through this seam: the window shows message boxes, the
// command line writes to stderr with fixed answers, tests record.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A system beep, then a modal error box with one OK button.
    virtual void Error(const std::string& text) = 0;
    virtual void Info(const std::string& text) = 0;
    virtual Answer Confirm(const std::string& text, Buttons buttons) = 0;
    // The chosen folder, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) = 0;
    // Position of the generation progress bar, 0..16.
    virtual void Progress(int position) = 0;
    // A problem found in an input file that loading works around; line 0 when the problem
    // has no line. The window gathers these, the command line prints "file:line: text".
    virtual void Problem(const std::string& file, int line, const std::string& text) = 0;
    // The "Initializing, please wait..." panel while the configuration loads.
    virtual void Busy(bool /*busy*/) {}
    // A problem in an input file that stops loading, and the error shown for it. The window
    // says both in one box; by default the problem is reported as one, then the error.
    virtual void LoadStopped(const std::string& file, int line, const std::string& problem,
                             const std::string& error) {
        Problem(file, line, problem);
        Error(error);
    }
    // How a message names a setting: by its key by default, in the window by the caption of
    // its control.
    virtual std::string SettingName(const std::string& key) { return key; }
};

// Shows nothing: for reads whose failure the caller reports in its own words. Questions
// are answered Cancel or No, and no folder is chosen. The last error is kept for callers
// that pass it on as the reason.
class QuietDialogs final : public Dialogs {
  public:
    void Error(const std::string& text) override { lastError = text; }
    void Info(const std::string&) override {}
    Answer Confirm(const std::string&, Buttons buttons) override {
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string&, int, const std::string&) override {}

    std::string lastError;
};

}  // namespace tq3
