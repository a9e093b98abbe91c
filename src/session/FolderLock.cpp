#include "session/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "base/GamePath.h"

namespace tq3 {

namespace {
constexpr int kPollMs = 50;
}

FolderLock::~FolderLock() {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

std::unique_ptr<FolderLock> FolderLock::Take(const std::string& folder, Dialogs& dialogs,
                                             int waitMs) {
    const std::string path = JoinPath(folder, kFileName);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        dialogs.Error("Cannot lock the game folder \"" + AbsolutePath(folder) +
                      "\": " + std::strerror(errno) + ". Nothing was changed.");
        return nullptr;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            dialogs.Error("Cannot lock the game folder \"" + AbsolutePath(folder) +
                          "\": " + std::strerror(errno) + ". Nothing was changed.");
            ::close(fd);
            return nullptr;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            dialogs.Error("The game folder \"" + AbsolutePath(folder) +
                          "\" is in use by another run of tq3gen. Try again when it has "
                          "finished. Nothing was changed.");
            ::close(fd);
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return std::unique_ptr<FolderLock>(new FolderLock(fd));
}

FolderUse::FolderUse(const std::string& folder, Dialogs& dialogs, const FolderHold& hold)
    : held_(hold.held != nullptr) {
    if (!held_) own_ = FolderLock::Take(folder, dialogs, hold.waitMs);
}

}  // namespace tq3
