#pragma once

#include <memory>
#include <string>

#include "base/Dialogs.h"
#include "base/Platform.h"

namespace tq3 {

// One run at a time per game folder: an advisory lock on the file ".tq3gen.lock" in the
// folder, held by runs, restores and scenario backups for their whole length. The lock
// goes with the holder (and with its process, however that ends), so a killed run never
// leaves the folder locked.
class FolderLock {
  public:
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock of `folder`, waiting up to `waitMs` while another holder has it, then
    // finishes the replace journal of a run that was cut short (and says so). When the lock
    // cannot be taken or the journal not finished, says why through `dialogs` and gives
    // nothing.
    static std::unique_ptr<FolderLock> Take(const std::string& folder, Dialogs& dialogs,
                                            int waitMs = kDefaultWaitMs);
    // The lock file goes when the lock is released (a folder that only receives one run's
    // files, such as --out, keeps nothing of ours).
    void RemoveFileOnRelease(std::string path) { removeOnRelease_ = std::move(path); }

    static constexpr int kDefaultWaitMs = 2000;
    static constexpr const char* kFileName = ".tq3gen.lock";
    static constexpr unsigned kFileMode =
        0666;  // before the umask: every user of the folder may lock

  private:
    explicit FolderLock(LockHandle handle) : handle_(handle) {}
    LockHandle handle_;
    std::string removeOnRelease_;
};

// How an operation comes by the folder's lock: the caller may hold it already (a command that
// runs several operations in a row waits once), else the operation takes it, waiting `waitMs`.
struct FolderHold {
    const FolderLock* held = nullptr;
    int waitMs = FolderLock::kDefaultWaitMs;
    bool removeLockFile = false;  // a lock taken for the operation leaves no lock file
};

// The folder held for one operation: the caller's lock or one taken now. False when it could
// not be had (the user was told why).
class FolderUse {
  public:
    FolderUse(const std::string& folder, Dialogs& dialogs, const FolderHold& hold);
    explicit operator bool() const { return held_ || own_ != nullptr; }

  private:
    bool held_ = false;
    std::unique_ptr<FolderLock> own_;
};

}  // namespace tq3
