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
};

}  // namespace tq3
