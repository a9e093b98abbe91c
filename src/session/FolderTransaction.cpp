#include "session/FolderTransaction.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/Platform.h"
#include "base/TextFile.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
constexpr const char* kWrittenList = "\\Backup\\Scenarios\\.tq3gen-written";

std::string FileNameOf(const std::string& path) {
    return NameOf(PathOf(path).filename());
}

std::string FolderOf(const std::string& path) {
    return NameOf(PathOf(path).parent_path());
}

// The names of the files, as a message lists them.
std::string NameList(const std::vector<std::string>& files) {
    std::string list;
    for (const std::string& f : files) list += (list.empty() ? "" : ", ") + FileNameOf(f);
    return list;
}

// A name spelled twice in one folder (province.csv beside Province.csv): the game reads one
// of them, and which one a run would replace is a guess. Empty when each name is there once.
std::string TwoSpellings(const std::vector<TransactionFile>& files) {
    std::map<std::string, std::vector<std::string>> listings;  // folder -> its names
    for (const TransactionFile& f : files) {
        const std::string folder = FolderOf(f.target);
        auto [at, isNew] = listings.try_emplace(folder);
        std::error_code ec;
        if (isNew)
            for (const auto& entry : fs::directory_iterator(PathOf(folder), ec))
                at->second.push_back(NameOf(entry.path().filename()));
        std::vector<std::string> same;
        for (const std::string& name : at->second)
            if (SameTextIgnoringCase(name, FileNameOf(f.target))) same.push_back(name);
        if (same.size() > 1)
            return "\"" + AbsolutePath(folder) + "\" holds both \"" + same[0] + "\" and \"" +
                   same[1] +
                   "\", which the game takes for one file; remove the one it does not "
                   "use. Nothing was written.";
    }
    return {};
}
// Why an original is not replaced: its keeping copy could not be made.
std::string NotKept(const std::string& original, const std::string& keep,
                    const std::string& reason) {
    return "The original \"" + AbsolutePath(original) + "\" could not be copied to \"" +
           AbsolutePath(keep) + "\", so it is not replaced. " + reason;
}
}  // namespace

FolderTransaction::FolderTransaction(const std::string& folder, JournalFolder kind)
    : folder_(AbsolutePath(folder)), kind_(kind) {}

std::string FolderTransaction::Resolve(const std::string& relative) const {
    if (spelling_.empty()) return AbsolutePath(paths_.Resolve(folder_, relative));
    const std::string& own = spellings_.Resolve(spelling_, relative);
    return AbsolutePath(
        paths_.Resolve(folder_, NameOf(PathOf(own).lexically_relative(PathOf(spelling_)))));
}

GameFileTexts FolderTransaction::Texts() const {
    GameFileTexts texts;
    for (const TransactionFile& f : files_) texts.emplace(f.relative, f.text);
    return texts;
}

void FolderTransaction::Add(const std::string& relative, std::string text) {
    // A file added again (a world drawn again before it lands) keeps its place with the new
    // text: one target is written once.
    for (TransactionFile& file : files_)
        if (file.relative == relative) {
            file.text = std::move(text);
            return;
        }
    files_.push_back({relative, Resolve(relative), std::move(text), true, {}});
}

bool FolderTransaction::AddCopy(const std::string& relative, const std::string& from,
                                OperationReport& report, const std::string& message) {
    std::string bytes;
    QuietDialogs errors;
    if (ReadWholeFile(errors, from, bytes)) {
        Add(relative, std::move(bytes));
        return true;
    }
    if (!FileExists(from))
        errors.lastError = "File: \"" + AbsolutePath(from) + "\" does not exist!";
    report.failed.push_back({Resolve(relative), message.empty() ? errors.lastError : message});
    broken_ = true;
    return false;
}

void FolderTransaction::Keep(const std::string& original, const std::string& keep,
                             OperationReport& report) {
    if (FileExists(keep)) return;
    const auto kept = [&](const TransactionFile& f) { return f.target == AbsolutePath(keep); };
    if (std::any_of(keeping_.begin(), keeping_.end(), kept)) return;
    std::string bytes;
    QuietDialogs errors;
    if (ReadWholeFile(errors, original, bytes)) {
        keeping_.push_back({{}, AbsolutePath(keep), std::move(bytes), false, original});
        return;
    }
    report.failed.push_back({AbsolutePath(original), NotKept(original, keep, errors.lastError)});
    broken_ = true;
}

void FolderTransaction::CompleteBackup(bool create) {
    if (!create && !FolderExists(Resolve("\\Backup"))) return;
    for (const char* name : GameFiles::DatabaseFiles) {
        const std::string db = Resolve(GameFiles::DatabaseFolder + std::string(name));
        const std::string keep = Resolve(GameFiles::BackupFolder + std::string(name));
        if (!FileExists(db) || FileExists(keep)) continue;
        std::string bytes;
        QuietDialogs quiet;
        // A copy that cannot be read now is tried again by the next command.
        if (ReadWholeFile(quiet, db, bytes))
            keeping_.push_back({{}, keep, std::move(bytes), false, db});
    }
}

void FolderTransaction::AddKeepingCopies(OperationReport& report) {
    const std::string scenarios = Resolve("\\Scenarios");
    const std::string db = Resolve("\\DB");
    const std::string listFile = Resolve(kWrittenList);
    std::string list;
    QuietDialogs quiet;
    if (FileExists(listFile)) ReadWholeFile(quiet, listFile, list);
    std::set<std::string> written;
    for (LineCursor cursor(list); !cursor.done;) written.insert(ReadNextLine(cursor));
    const auto listed = [&](const std::string& name) {
        return std::any_of(written.begin(), written.end(),
                           [&](const std::string& w) { return SameTextIgnoringCase(w, name); });
    };

    const std::string before = list;
    for (const TransactionFile& f : files_) {
        const std::string name = FileNameOf(f.target);
        const std::string folder = FolderOf(f.target);
        if (folder == scenarios) {
            // A scenario this program did not write is the game's: it is kept first.
            if (listed(name)) continue;
            if (FileExists(f.target))
                Keep(f.target, Resolve("\\Backup\\Scenarios\\" + name), report);
            list += name + "\r\n";
            written.insert(name);
        } else if (folder == db) {
            // Of DB/, only the six database files have originals to keep.
            const auto* known =
                std::find_if(GameFiles::DatabaseFiles.begin(), GameFiles::DatabaseFiles.end(),
                             [&](const char* g) { return SameTextIgnoringCase(g, name); });
            if (known != GameFiles::DatabaseFiles.end() && FileExists(f.target))
                Keep(f.target, Resolve(GameFiles::BackupFolder + std::string(*known)), report);
        }
    }
    // The list of written scenarios lands with the scenarios it names.
    if (list != before) keeping_.push_back({{}, listFile, std::move(list), false, {}});
}

bool FolderTransaction::Commit(Dialogs& dialogs, OperationReport& report) {
    const std::size_t failedBefore = report.failed.size();
    if (keepOriginals_) AddKeepingCopies(report);
    for (std::size_t i = failedBefore; i < report.failed.size(); ++i)
        dialogs.Error(report.failed[i].reason);
    if (broken_) return false;
    if (files_.empty() && keeping_.empty()) return true;
    if (const std::string problem = TwoSpellings(files_); !problem.empty()) {
        dialogs.Error(problem);
        report.failed.push_back({files_.front().target, problem});
        return false;
    }

    // Every file staged and synced first, the keeping copies before the files they keep.
    std::vector<std::vector<StagedFile>> staged(2);
    const auto discard = [&] {
        for (const std::vector<StagedFile>& group : staged)
            for (const StagedFile& s : group) RemoveFile(s.temporary);
    };
    for (int group = 0; group < 2; ++group)
        for (const TransactionFile& f : group == 0 ? keeping_ : files_) {
            StagedFile s;
            std::string error;
            if (!StageFile(f.target, f.text, "create", s, error)) {
                if (!f.keeps.empty()) error = NotKept(f.keeps, f.target, error);
                dialogs.Error(error);
                report.failed.push_back({f.keeps.empty() ? f.target : f.keeps, error});
                continue;
            }
            staged[group].push_back(s);
        }
    if (report.failed.size() != failedBefore) {
        discard();
        return false;
    }
    // The staged texts are final here: the last check before anything is replaced.
    if (check_) {
        std::vector<TransactionFile> all = keeping_;
        all.insert(all.end(), files_.begin(), files_.end());
        if (!check_(all, dialogs, report)) {
            discard();
            return false;
        }
    }

    // Only now are files replaced, all together.
    const ReplaceOutcome outcome = ReplaceTogether(folder_, kind_, staged);
    if (!outcome.done) {
        // Cut short after the journal was written: the next holder of the folder finishes it.
        if (!JournalPending(folder_)) discard();
        std::string message = outcome.error;
        if (!outcome.replaced.empty())
            message += ". These files are already the new ones: " + NameList(outcome.replaced) +
                       "; these are still the old ones: " + NameList(outcome.left) +
                       ". The next command of tq3gen on \"" + folder_ +
                       "\" puts the rest in place; tq3gen restore brings back the originals.";
        dialogs.Error(message);
        for (const TransactionFile& f : files_)
            if (std::find(outcome.replaced.begin(), outcome.replaced.end(), f.target) !=
                outcome.replaced.end())
                report.written.push_back(f.target);
            else
                report.failed.push_back({f.target, message});
        return false;
    }
    for (const std::vector<TransactionFile>* group : {&keeping_, &files_})
        for (const TransactionFile& f : *group)
            if (f.listed) report.written.push_back(f.target);
    return true;
}

}  // namespace tq3
