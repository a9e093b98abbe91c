#include "verify/Finding.h"

namespace tq3 {

std::string FormatFinding(const Finding& finding) {
    if (finding.line <= 0) return finding.file + ": " + finding.text;
    return finding.file + ":" + std::to_string(finding.line) + ": " + finding.text;
}

void FindingList::Add(const std::string& file, int line, std::string text) {
    if (++perFile_[file] > MaxPerFile) return;
    findings_.push_back({file, line, std::move(text)});
}

std::vector<Finding> FindingList::Take() {
    for (const auto& [file, count] : perFile_)
        if (count > MaxPerFile)
            findings_.push_back(
                {file, 0, std::to_string(count - MaxPerFile) + " further findings not listed"});
    perFile_.clear();
    return std::move(findings_);
}

}  // namespace tq3
