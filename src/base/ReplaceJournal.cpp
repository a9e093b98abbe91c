#include "base/ReplaceJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "base/Dialogs.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
// The journal's first line; the list follows, a temporary and its target on two lines each,
// and the last line closes it (a journal without it is not used).
constexpr const char* kHeader = "tq3gen replace journal 1";
constexpr const char* kEnd = "end";

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// Makes the renames of a folder durable.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void SyncFolders(const std::vector<StagedFile>& files) {
    std::set<std::string> folders;
    for (const StagedFile& f : files) folders.insert(fs::path(f.target).parent_path().string());
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
    if (::rename(staged.temporary.c_str(), journal.c_str()) != 0) {
        error = Reason("Cannot write file \"" + journal + "\"");
        ::unlink(staged.temporary.c_str());
        return false;
    }
    SyncFolder(fs::path(journal).parent_path().string());

    for (const StagedFile& f : files) {
        if (::rename(f.temporary.c_str(), f.target.c_str()) != 0) {
            error = Reason("Cannot write file \"" + f.target + "\"");
            return false;
        }
    }
    SyncFolders(files);
    ::unlink(journal.c_str());
    SyncFolder(fs::path(journal).parent_path().string());
    return true;
}

JournalOutcome FinishJournal(const std::string& journal) {
    JournalOutcome outcome;
    struct stat st {};
    if (::lstat(journal.c_str(), &st) != 0) return outcome;
    outcome.found = true;
    std::vector<StagedFile> files;
    if (!ReadJournal(journal, files)) {
        outcome.error = "the journal \"" + journal + "\" cannot be read";
        return outcome;
    }
    for (const StagedFile& f : files) {
        if (::lstat(f.temporary.c_str(), &st) != 0) continue;  // renamed before the cut
        if (::rename(f.temporary.c_str(), f.target.c_str()) != 0) {
            outcome.error = Reason("Cannot write file \"" + f.target + "\"");
            return outcome;
        }
        outcome.replaced.push_back(f.target);
    }
    SyncFolders(files);
    ::unlink(journal.c_str());
    SyncFolder(fs::path(journal).parent_path().string());
    outcome.finished = true;
    return outcome;
}

bool JournalPending(const std::string& journal) {
    struct stat st {};
    return ::lstat(journal.c_str(), &st) == 0;
}

}  // namespace tq3
