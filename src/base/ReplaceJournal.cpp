#include "base/ReplaceJournal.h"

#include <filesystem>
#include <set>

#include "base/Dialogs.h"
#include "base/Platform.h"

namespace tq3 {

namespace {
// The journal's first line; the list follows, a temporary and its target on two lines each,
// and the last line closes it (a journal without it is not used).
constexpr const char* kHeader = "tq3gen replace journal 1";
constexpr const char* kEnd = "end";

std::string FolderOf(const std::string& path) {
    return NameOf(PathOf(path).parent_path());
}

// Makes the renames of the targets' folders durable.
void SyncFolders(const std::vector<StagedFile>& files) {
    std::set<std::string> folders;
    for (const StagedFile& f : files) folders.insert(FolderOf(f.target));
    for (const std::string& folder : folders) SyncFolder(folder);
}

bool ReadJournal(const std::string& journal, std::vector<StagedFile>& files) {
    QuietDialogs quiet;
    std::string text;
    if (!ReadWholeFile(quiet, journal, text)) return false;
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(text.substr(at, nl - at));
    if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd ||
        lines.size() % 2 != 0)
        return false;
    for (std::size_t i = 1; i + 1 < lines.size(); i += 2) files.push_back({lines[i + 1], lines[i]});
    return true;
}
}  // namespace

bool ReplaceTogether(const std::string& journal, const std::vector<StagedFile>& files,
                     std::string& error) {
    std::string text = std::string(kHeader) + "\n";
    for (const StagedFile& f : files) {
        if (f.temporary.find('\n') != std::string::npos ||
            f.target.find('\n') != std::string::npos) {
            error = "Cannot replace \"" + f.target + "\": its name holds a line break";
            return false;
        }
        text += f.temporary + "\n" + f.target + "\n";
    }
    text += std::string(kEnd) + "\n";

    // The journal itself is staged and renamed into place, so it is there whole or not at all.
    StagedFile staged;
    if (!StageFile(journal, text, "create", staged, error)) return false;
    std::string reason;
    if (!RenameOver(staged.temporary, journal, reason)) {
        error = "Cannot write file \"" + journal + "\": " + reason;
        RemoveFile(staged.temporary);
        return false;
    }
    SyncFolder(FolderOf(journal));

    for (const StagedFile& f : files) {
        if (!RenameOver(f.temporary, f.target, reason)) {
            error = "Cannot write file \"" + f.target + "\": " + reason;
            return false;
        }
    }
    SyncFolders(files);
    RemoveFile(journal);
    SyncFolder(FolderOf(journal));
    return true;
}

JournalOutcome FinishJournal(const std::string& journal) {
    JournalOutcome outcome;
    if (!JournalPending(journal)) return outcome;
    outcome.found = true;
    std::vector<StagedFile> files;
    if (!ReadJournal(journal, files)) {
        outcome.error = "the journal \"" + journal + "\" cannot be read";
        return outcome;
    }
    for (const StagedFile& f : files) {
        const FileState temporary = LookAt(f.temporary);
        if (temporary.kind == FileKind::Missing && !temporary.link)
            continue;  // renamed before the cut
        std::string reason;
        if (!RenameOver(f.temporary, f.target, reason)) {
            outcome.error = "Cannot write file \"" + f.target + "\": " + reason;
            return outcome;
        }
        outcome.replaced.push_back(f.target);
    }
    SyncFolders(files);
    RemoveFile(journal);
    SyncFolder(FolderOf(journal));
    outcome.finished = true;
    return outcome;
}

bool JournalPending(const std::string& journal) {
    const FileState state = LookAt(journal);
    return state.kind != FileKind::Missing || state.link;
}

}  // namespace tq3
