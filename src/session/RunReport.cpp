#include "session/RunReport.h"

#include <algorithm>

namespace tq3 {

bool RunReport::HasErrors() const {
    return !failed.empty() || std::any_of(messages.begin(), messages.end(), [](const auto& m) {
        return m.kind == MessageKind::Error || m.kind == MessageKind::Problem;
    });
}

void ReportingDialogs::Error(const std::string& text) {
    report_.messages.push_back({MessageKind::Error, text});
    inner_.Error(text);
}

void ReportingDialogs::Info(const std::string& text) {
    report_.messages.push_back({MessageKind::Info, text});
    inner_.Info(text);
}

Answer ReportingDialogs::Confirm(const std::string& text, Buttons buttons) {
    report_.messages.push_back({MessageKind::Question, text});
    return inner_.Confirm(text, buttons);
}

std::optional<std::string> ReportingDialogs::ChooseFolder(const std::string& start,
                                                          bool allowCreate) {
    return inner_.ChooseFolder(start, allowCreate);
}

void ReportingDialogs::Progress(int position) {
    inner_.Progress(position);
}

void ReportingDialogs::Problem(const std::string& file, int line, const std::string& text) {
    report_.messages.push_back(
        {MessageKind::Problem, file + ":" + std::to_string(line) + ": " + text});
    inner_.Problem(file, line, text);
}

void ReportingDialogs::Busy(bool busy) {
    inner_.Busy(busy);
}

}  // namespace tq3
