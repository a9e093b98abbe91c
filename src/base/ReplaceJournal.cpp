#include "base/ReplaceJournal.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "base/Dialogs.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/Platform.h"

namespace tq3 {

namespace {
// The journal's first line; the list follows, a temporary and its target on two lines each,
// both relative to the journal's folder, and the last line closes it (a journal without it
// is not used).
constexpr const char* kHeader = "tq3gen replace journal 2";
constexpr const char* kEnd = "end";
// A run's journal names a dozen files in a few kilobytes; anything much larger is not ours.
constexpr std::uint64_t kMaxJournalBytes = 64 * 1024;
constexpr std::size_t kUniqueCharacters = 6;

namespace fs = std::filesystem;

struct Entry {
    std::string temporary;  // relative to the folder, "/" between components
    std::string target;
};

std::vector<std::string> Components(const std::string& relative) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (std::size_t slash; (slash = relative.find('/', at)) != std::string::npos; at = slash + 1)
        parts.push_back(relative.substr(at, slash - at));
    parts.push_back(relative.substr(at));
    return parts;
}

bool Same(const std::string& a, const char* b) {
    return SameTextIgnoringCase(a, b);
}

bool IsDatabaseFile(const std::string& name) {
    return std::any_of(GameFiles::DatabaseFiles.begin(), GameFiles::DatabaseFiles.end(),
                       [&](const char* f) { return Same(name, f); });
}

bool IsScenarioName(const std::string& name) {
    const std::string extension = GameFiles::ScenarioExtension;
    return name.size() > extension.size() && name.front() != '.' &&
           Same(name.substr(name.size() - extension.size()), extension.c_str());
}

bool IsOurTemporaryName(const std::string& name) {
    const std::string prefix = TemporaryFilePrefix;
    return name.size() == prefix.size() + kUniqueCharacters && name.rfind(prefix, 0) == 0 &&
           std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool IsGameTarget(const std::vector<std::string>& p) {
    if (p.size() == 2)
        return (Same(p[0], "DB") && IsDatabaseFile(p[1])) ||
               (Same(p[0], "Backup") && IsDatabaseFile(p[1])) ||
               (Same(p[0], "Scenarios") && IsScenarioName(p[1]));
    return p.size() == 3 && Same(p[0], "Backup") && Same(p[1], "Scenarios") &&
           (IsScenarioName(p[2]) || p[2] == WrittenScenarioList);
}

std::string Parent(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash + 1);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Why an entry may not be renamed, from its names alone; empty when it may.
std::string EntryProblem(JournalFolder kind, const Entry& e) {
    if (std::string problem = JournalTargetProblem(kind, e.target); !problem.empty())
        return problem;
    if (Parent(e.temporary) != Parent(e.target) ||
        !IsOurTemporaryName(e.temporary.substr(Parent(e.temporary).size())))
        return "the temporary " + Quoted(e.temporary) + " of " + Quoted(e.target) +
               " is not a temporary file of tq3gen beside it";
    return {};
}

// Why an entry may not be renamed now, from what the folder holds; empty when it may.
std::string FolderProblem(const std::string& folder, const Entry& e) {
    // Every folder on the way is a folder of its own, not a link that leads elsewhere.
    std::string path = folder;
    const std::vector<std::string> parts = Components(e.target);
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        path = JoinPath(path, parts[i]);
        const FileState state = LookAt(path);
        if (state.link || state.kind != FileKind::Folder)
            return Quoted(path) + " is not a folder (or is a link)";
    }
    const FileState temporary = LookAt(JoinPath(folder, e.temporary));
    if (temporary.kind == FileKind::Missing && !temporary.link) return {};  // renamed before
    if (temporary.link || temporary.kind != FileKind::Regular)
        return "the temporary " + Quoted(e.temporary) + " is not a regular file";
    const FileState target = LookAt(JoinPath(folder, e.target));
    if (target.kind == FileKind::Folder && !target.link)
        return "the target " + Quoted(e.target) + " is a folder";
    if (IsKeepingCopy(e.target) && (target.kind != FileKind::Missing || target.link))
        return "the kept original " + Quoted(e.target) + " exists and is never replaced";
    return {};
}

// A name under `folder` as a journal holds it: relative, "/" between components.
std::string RelativeTo(const std::string& folder, const std::string& path) {
    fs::path base = PathOf(folder).lexically_normal();
    if (!base.has_filename() && base.has_relative_path()) base = base.parent_path();
    std::string relative = NameOf(PathOf(path).lexically_normal().lexically_relative(base));
    if constexpr (fs::path::preferred_separator != '/')
        std::replace(relative.begin(), relative.end(), '\\', '/');
    return relative;
}

// Makes the renames into the entries' folders durable.
void SyncFoldersOf(const std::string& folder, const std::vector<Entry>& entries) {
    std::set<std::string> folders;
    for (const Entry& e : entries) folders.insert(Parent(e.target));
    for (const std::string& f : folders) SyncFolder(f.empty() ? folder : JoinPath(folder, f));
}

// Renames the entries in order; the first failure stops it. When `resuming` (a journal
// finished later), a temporary that is gone was renamed before the cut.
bool RenameEntries(const std::string& folder, const std::vector<Entry>& entries, bool resuming,
                   std::vector<std::string>& replaced, std::string& error) {
    for (const Entry& e : entries) {
        const std::string from = JoinPath(folder, e.temporary);
        const std::string to = JoinPath(folder, e.target);
        const FileState temporary = LookAt(from);
        if (resuming && temporary.kind == FileKind::Missing && !temporary.link) continue;
        std::string reason;
        if (!RenameOver(from, to, reason)) {
            error = "Cannot write file \"" + AbsolutePath(to) + "\": " + reason;
            return false;
        }
        replaced.push_back(AbsolutePath(to));
    }
    return true;
}

// Reads and checks the whole journal: entries only when every rule holds.
std::string ReadJournal(const std::string& folder, JournalFolder kind,
                        std::vector<Entry>& entries) {
    const std::string journal = JoinPath(folder, JournalFileName);
    const FileState state = LookAt(journal);
    if (state.link) return "it is a link";
    if (state.kind != FileKind::Regular) return "it is not a regular file";
    if (state.size > kMaxJournalBytes)
        return "it is " + std::to_string(state.size) + " bytes long, more than a journal of " +
               "tq3gen ever is";
    std::string text;
    QuietDialogs quiet;
    if (!ReadWholeFile(quiet, journal, text)) return "it cannot be read";
    if (text.find('\r') != std::string::npos) return "its lines end with CR LF";
    if (text.find('\0') != std::string::npos) return "it holds a zero byte";
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(text.substr(at, nl - at));
    if (at != text.size() || lines.empty() || lines.front() != kHeader)
        return "it is not a journal of this version of tq3gen";
    if (lines.size() < 2 || lines.back() != kEnd || lines.size() % 2 != 0) return "it is cut short";
    for (std::size_t i = 1; i + 1 < lines.size(); i += 2) {
        const Entry e{lines[i], lines[i + 1]};
        if (std::string problem = EntryProblem(kind, e); !problem.empty()) return problem;
        if (std::string problem = FolderProblem(folder, e); !problem.empty()) return problem;
        entries.push_back(e);
    }
    return {};
}
}  // namespace

std::string JournalTargetProblem(JournalFolder kind, const std::string& target) {
    const std::vector<std::string> parts = Components(target);
    const bool plain = !target.empty() && target.find('\\') == std::string::npos &&
                       target.find(':') == std::string::npos &&
                       std::none_of(parts.begin(), parts.end(), [](const std::string& p) {
                           return p.empty() || p == "." || p == "..";
                       });
    if (!plain) return Quoted(target) + " is not a name inside the folder";
    const bool allowed =
        kind == JournalFolder::Game
            ? IsGameTarget(parts)
            : parts.size() == 1 && (IsDatabaseFile(parts[0]) || IsScenarioName(parts[0]));
    if (!allowed) return Quoted(target) + " is not a file that tq3gen replaces";
    return {};
}

bool IsKeepingCopy(const std::string& target) {
    const std::vector<std::string> parts = Components(target);
    return Same(parts.front(), "Backup") && parts.back() != WrittenScenarioList;
}

ReplaceOutcome ReplaceTogether(const std::string& folder, JournalFolder kind,
                               const std::vector<std::vector<StagedFile>>& groups) {
    ReplaceOutcome outcome;
    std::vector<std::vector<Entry>> entries;
    std::string text = std::string(kHeader) + "\n";
    for (const std::vector<StagedFile>& group : groups) {
        entries.emplace_back();
        for (const StagedFile& f : group) {
            const Entry e{RelativeTo(folder, f.temporary), RelativeTo(folder, f.target)};
            std::string problem = e.target.find('\n') != std::string::npos
                                      ? "its name holds a line break"
                                      : EntryProblem(kind, e);
            if (problem.empty()) problem = FolderProblem(folder, e);
            if (!problem.empty()) {
                outcome.error = "Cannot replace \"" + AbsolutePath(f.target) + "\": " + problem;
                return outcome;
            }
            text += e.temporary + "\n" + e.target + "\n";
            entries.back().push_back(e);
        }
    }
    text += std::string(kEnd) + "\n";
    const auto leftAfter = [&](std::size_t done) {
        std::size_t count = 0;
        for (const std::vector<Entry>& group : entries)
            for (const Entry& e : group)
                if (count++ >= done)
                    outcome.left.push_back(AbsolutePath(JoinPath(folder, e.target)));
    };

    // The journal itself is staged and renamed into place, so it is there whole or not at all.
    const std::string journal = JoinPath(folder, JournalFileName);
    StagedFile staged;
    if (!StageFile(journal, text, "create", staged, outcome.error)) {
        leftAfter(0);
        return outcome;
    }
    std::string reason;
    if (!RenameOver(staged.temporary, journal, reason)) {
        outcome.error = "Cannot write file \"" + journal + "\": " + reason;
        RemoveFile(staged.temporary);
        leftAfter(0);
        return outcome;
    }
    SyncFolder(folder);

    for (const std::vector<Entry>& group : entries) {
        if (!RenameEntries(folder, group, false, outcome.replaced, outcome.error)) {
            leftAfter(outcome.replaced.size());
            return outcome;
        }
        SyncFoldersOf(folder, group);
    }
    // A journal whose removal a power cut loses finds its temporaries gone: finishing it
    // renames nothing, so its removal needs no sync of its own.
    RemoveFile(journal);
    outcome.done = true;
    return outcome;
}

JournalOutcome FinishJournal(const std::string& folder, JournalFolder kind) {
    JournalOutcome outcome;
    if (!JournalPending(folder)) return outcome;
    outcome.found = true;
    std::vector<Entry> entries;
    const std::string journal = JoinPath(folder, JournalFileName);
    if (std::string problem = ReadJournal(folder, kind, entries); !problem.empty()) {
        // Refused whole: nothing renamed, and the journal is set aside so that it blocks
        // nothing.
        std::string reason;
        const std::string aside = JoinPath(folder, RefusedJournalFileName);
        std::error_code ec;
        if (LookAt(aside).kind == FileKind::Folder && !LookAt(aside).link)
            fs::remove_all(PathOf(aside), ec);
        if (!RenameOver(journal, aside, reason)) {
            outcome.error = "the journal \"" + AbsolutePath(journal) + "\" was refused (" +
                            problem + ") and cannot be set aside: " + reason;
            return outcome;
        }
        SyncFolder(folder);
        outcome.refused = true;
        outcome.error = problem;
        return outcome;
    }
    // The kept originals first, and on the disk before any file they keep is replaced.
    const auto kept = std::stable_partition(entries.begin(), entries.end(), [](const Entry& e) {
        return Same(Components(e.target).front(), "Backup");
    });
    for (const std::vector<Entry>& group :
         {std::vector<Entry>(entries.begin(), kept), std::vector<Entry>(kept, entries.end())}) {
        if (!RenameEntries(folder, group, true, outcome.replaced, outcome.error)) return outcome;
        SyncFoldersOf(folder, group);
    }
    RemoveFile(journal);
    SyncFolder(folder);
    outcome.finished = true;
    return outcome;
}

bool JournalPending(const std::string& folder) {
    const FileState state = LookAt(JoinPath(folder, JournalFileName));
    return state.kind != FileKind::Missing || state.link;
}

}  // namespace tq3
