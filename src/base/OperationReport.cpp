#include "base/OperationReport.h"

#include <algorithm>

namespace tq3 {

bool OperationReport::HasErrors() const {
    return refused || !failed.empty() || Count(MessageKind::Error) > 0;
}

bool OperationReport::HasNotes() const {
    return Count(MessageKind::Note) > 0;
}

std::size_t OperationReport::Count(MessageKind kind) const {
    return static_cast<std::size_t>(
        std::count_if(messages.begin(), messages.end(),
                      [kind](const ShownMessage& m) { return m.kind == kind; }));
}

std::vector<std::string> OperationReport::Texts(MessageKind kind) const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : messages)
        if (m.kind == kind) texts.push_back(m.text);
    return texts;
}

void OperationReport::Add(const OperationReport& other) {
    refused = refused || other.refused;
    written.insert(written.end(), other.written.begin(), other.written.end());
    failed.insert(failed.end(), other.failed.begin(), other.failed.end());
    messages.insert(messages.end(), other.messages.begin(), other.messages.end());
}

void OperationReport::Refuse(Dialogs& dialogs, const std::string& error) {
    messages.push_back({MessageKind::Error, error});
    dialogs.Error(error);
    refused = true;
}

void ReportingDialogs::Error(const std::string& text) {
    report_.messages.push_back({MessageKind::Error, text});
    ForwardingDialogs::Error(text);
}

void ReportingDialogs::Info(const std::string& text) {
    report_.messages.push_back({MessageKind::Info, text});
    ForwardingDialogs::Info(text);
}

Answer ReportingDialogs::Confirm(const std::string& text, Buttons buttons) {
    report_.messages.push_back({MessageKind::Question, text});
    return ForwardingDialogs::Confirm(text, buttons);
}

namespace {
std::string ProblemText(const std::string& file, int line, const std::string& text) {
    return file + (line > 0 ? ":" + std::to_string(line) : "") + ": " + text;
}
}  // namespace

void ReportingDialogs::Problem(const std::string& file, int line, const std::string& text) {
    report_.messages.push_back({MessageKind::Note, ProblemText(file, line, text)});
    ForwardingDialogs::Problem(file, line, text);
}

void ReportingDialogs::LoadStopped(const std::string& file, int line, const std::string& problem,
                                   const std::string& error) {
    report_.messages.push_back({MessageKind::Note, ProblemText(file, line, problem)});
    report_.messages.push_back({MessageKind::Error, error});
    ForwardingDialogs::LoadStopped(file, line, problem, error);
}

}  // namespace tq3
