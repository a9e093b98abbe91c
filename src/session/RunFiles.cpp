#include "session/RunFiles.h"

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/ReplaceJournal.h"
#include "base/TextFile.h"
#include "session/GameFileWrites.h"

namespace tq3 {

void RunFiles::Add(std::string relative, std::string text) {
    files_.push_back({std::move(relative), std::move(text)});
}

GameFileTexts RunFiles::Texts() const {
    GameFileTexts texts;
    for (const File& f : files_) texts.emplace(f.relative, f.text);
    return texts;
}

bool RunFiles::Commit(const std::string& folder, const CommitOptions& options, Dialogs& dialogs,
                      OperationReport& report) const {
    const std::size_t failedBefore = report.failed.size();
    std::vector<std::string> targets;
    std::vector<StagedFile> staged;
    const auto discard = [&] {
        for (const StagedFile& s : staged) RemoveFile(s.temporary);
    };

    // Every file staged and synced first, each failure named.
    for (const File& f : files_) {
        const std::string target = GamePath(folder, f.relative);
        StagedFile s;
        std::string error;
        if (!StageFile(AbsolutePath(target), f.text, "create", s, error)) {
            dialogs.Error(error);
            report.failed.push_back({AbsolutePath(target), error});
            continue;
        }
        targets.push_back(target);
        staged.push_back(s);
    }
    // Then the keeping copies of the originals that are about to be replaced.
    if (report.failed.size() == failedBefore && options.keepOriginals)
        for (const std::string& target : targets) KeepOriginal(folder, target, dialogs, &report);
    if (report.failed.size() != failedBefore) {
        discard();
        return false;
    }

    // Only now are files replaced, all together.
    const std::string journal = JoinPath(folder, JournalFileName);
    std::string error;
    if (!ReplaceTogether(journal, staged, error)) {
        // Cut short after the journal was written: the next holder of the folder finishes it.
        if (!JournalPending(journal)) discard();
        dialogs.Error(error);
        for (const std::string& target : targets)
            report.failed.push_back({AbsolutePath(target), error});
        return false;
    }
    for (const std::string& target : targets) {
        report.written.push_back(AbsolutePath(target));
        if (options.keepOriginals) NoteScenarioWritten(folder, target);
    }
    return true;
}

}  // namespace tq3
