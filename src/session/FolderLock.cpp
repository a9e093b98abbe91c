#include "session/FolderLock.h"

#include <chrono>
#include <thread>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/ReplaceJournal.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
constexpr int kPollMs = 50;

// Finishes the journal of a run that was cut short, and says what was done. False when the
// folder cannot be used: the journal is there and cannot be finished.
bool FinishCutShortRun(const std::string& folder, Dialogs& dialogs) {
    const JournalOutcome journal = FinishJournal(folder, JournalFolder::Game);
    const std::string where = "A run of tq3gen in \"" + AbsolutePath(folder) + "\"";
    if (journal.refused) {
        dialogs.Error(
            where + " left a replace journal that is not to be trusted: " + journal.error +
            ". Nothing was renamed by it; it was set aside as \"" + RefusedJournalFileName +
            "\". If the game's files look wrong, tq3gen restore brings back the "
            "originals.");
        return true;
    }
    if (journal.found && !journal.finished) {
        dialogs.Error(where +
                      " was cut short while it replaced its files, and they cannot be put in "
                      "place: " +
                      journal.error +
                      ". Nothing was changed. Close any program that holds the file, then run "
                      "the command again.");
        return false;
    }
    if (journal.found)
        dialogs.Info(where + " was cut short while it replaced its files; the " +
                     std::to_string(journal.replaced.size()) +
                     " files it had left were put in place now.");
    return true;
}

// Removes the temporary files that a command cut short may have left in the folders it writes.
void RemoveLeftovers(const std::string& folder) {
    RemoveLeftoverTemporaryFiles(folder);
    for (const char* sub : {"\\DB", "\\Scenarios", "\\Backup", "\\Backup\\Scenarios", "\\Config"})
        RemoveLeftoverTemporaryFiles(GamePath(folder, sub));
}
}  // namespace

FolderLock::~FolderLock() {
    if (!removeOnRelease_.empty()) RemoveFile(removeOnRelease_);
    ReleaseLock(handle_);
}

std::unique_ptr<FolderLock> FolderLock::Take(const std::string& folder, Dialogs& dialogs,
                                             int waitMs) {
    const std::string path = JoinPath(folder, kFileName);
    std::string reason;
    const LockHandle handle = OpenLockFile(path, kFileMode, reason);
    const auto cannotLock = [&] {
        dialogs.Error("Cannot lock the game folder \"" + AbsolutePath(folder) + "\": " + reason +
                      ". Nothing was changed.");
    };
    if (handle == NoLockHandle) {
        cannotLock();
        return nullptr;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (LockAttempt attempt; (attempt = TryLock(handle, reason)) != LockAttempt::Taken;) {
        if (attempt == LockAttempt::Failed) {
            cannotLock();
            ReleaseLock(handle);
            return nullptr;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            dialogs.Error("The game folder \"" + AbsolutePath(folder) +
                          "\" is in use by another run of tq3gen. Try again when it has "
                          "finished. Nothing was changed.");
            ReleaseLock(handle);
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    auto lock = std::unique_ptr<FolderLock>(new FolderLock(handle));

    // A run cut short while it replaced its files is finished first, so the folder holds
    // the whole set of that run; then what it staged and never named goes.
    if (!FinishCutShortRun(folder, dialogs)) return nullptr;
    RemoveLeftovers(folder);
    return lock;
}

FolderUse::FolderUse(const std::string& folder, Dialogs& dialogs, const FolderHold& hold)
    : held_(hold.held != nullptr) {
    if (!held_) own_ = FolderLock::Take(folder, dialogs, hold.waitMs);
    if (own_ && hold.removeLockFile)
        own_->RemoveFileOnRelease(JoinPath(folder, FolderLock::kFileName));
}

}  // namespace tq3
