#pragma once

#include <string>
#include <vector>

#include "base/ForwardingDialogs.h"

namespace tq3 {

// What the user was shown. A note is a problem of an input that the operation works around
// (a missing key takes its default); an error is something the operation could not do.
enum class MessageKind { Error, Note, Info, Question };

struct ShownMessage {
    MessageKind kind;
    std::string text;
};

struct FileFailure {
    std::string file;    // absolute name
    std::string reason;  // the message the user was shown
};

// What one operation on a game folder did: the files it wrote, those it meant to write and
// could not, and what it showed, notes and errors apart. Front ends take the exit status and
// what to show from here, never from counting messages.
struct OperationReport {
    bool refused = false;              // nothing was done: the folder was in use, a target refused
    std::vector<std::string> written;  // absolute names, in the order written
    std::vector<FileFailure> failed;   // files the operation meant to write and could not
    std::vector<ShownMessage> messages;

    // Whether it showed an error, failed to write a file or was refused.
    bool HasErrors() const;
    bool HasNotes() const;
    std::size_t Count(MessageKind kind) const;
    // The texts of one kind, in the order shown.
    std::vector<std::string> Texts(MessageKind kind) const;
    // Takes on what another operation of the same command did.
    void Add(const OperationReport& other);
    // Shows `error` through `dialogs`, records it and marks the operation refused.
    void Refuse(Dialogs& dialogs, const std::string& error);
};

// Passes every call on to `inner` and records what the user was shown in `report`.
class ReportingDialogs final : public ForwardingDialogs {
  public:
    ReportingDialogs(Dialogs& inner, OperationReport& report)
        : ForwardingDialogs(inner), report_(report) {}
    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    Answer Confirm(const std::string& text, Buttons buttons) override;
    void Problem(const std::string& file, int line, const std::string& text) override;
    void LoadStopped(const std::string& file, int line, const std::string& problem,
                     const std::string& error) override;

  private:
    OperationReport& report_;
};

}  // namespace tq3
