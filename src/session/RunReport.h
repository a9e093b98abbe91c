#pragma once

#include <string>
#include <vector>

#include "base/Dialogs.h"

namespace tq3 {

// How a generation run ended.
enum class RunEnd {
    Quit,     // the closing question was answered "quit"
    Stay,     // the user stays: the configuration was loaded again
    Aborted,  // the map editor's Abort ended the run at the preview point
    Refused,  // refused before anything was written
};

enum class MessageKind { Error, Info, Question, Problem };

struct ShownMessage {
    MessageKind kind;
    std::string text;
};

struct FileFailure {
    std::string file;    // absolute name
    std::string reason;  // the message the user was shown
};

// What a run did: front ends take the exit status, the list of files and what to show from
// here, never from counting messages.
struct RunReport {
    RunEnd end = RunEnd::Refused;
    std::vector<std::string> written;  // absolute names, in the order written
    std::vector<FileFailure> failed;   // files the run meant to write and could not
    std::vector<ShownMessage> messages;

    // Whether the run showed an error or a problem, or failed to write a file.
    bool HasErrors() const;
};

// Passes every call on to `inner` and records what the user was shown in `report`.
class ReportingDialogs final : public Dialogs {
  public:
    ReportingDialogs(Dialogs& inner, RunReport& report) : inner_(inner), report_(report) {}
    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    Answer Confirm(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override;
    void Progress(int position) override;
    void Problem(const std::string& file, int line, const std::string& text) override;
    void Busy(bool busy) override;

  private:
    Dialogs& inner_;
    RunReport& report_;
};

}  // namespace tq3
