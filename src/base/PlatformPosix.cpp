// The POSIX half of Platform.h: names as bytes, stat and permission bits, fsync, flock and
// libcrypto.
#ifndef _WIN32
#include "base/Platform.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Numbers.h"

namespace tq3 {

namespace fs = std::filesystem;

fs::path PathOf(std::string_view name) {
    return fs::path(name);
}

std::string NameOf(const fs::path& path) {
    return path.string();
}

FileState LookAt(const std::string& path) {
    FileState state;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) state.problem = ErrnoReason();
        return state;
    }
    state.link = S_ISLNK(st.st_mode);
    if (state.link && ::stat(path.c_str(), &st) != 0) return state;
    state.kind = S_ISREG(st.st_mode)   ? FileKind::Regular
                 : S_ISDIR(st.st_mode) ? FileKind::Folder
                                       : FileKind::Other;
    state.writable = (st.st_mode & S_IWUSR) != 0;
    state.size = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    state.mode = st.st_mode & 07777;
    return state;
}

unsigned NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ReadWriteMode & ~mask;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::FILE* CreateUniqueFile(const std::string& pattern, std::string& name, std::string& reason) {
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) {
        reason = ErrnoReason();
        return nullptr;
    }
    // Held while open, so that a removal of leftovers sees it is in use.
    ::flock(fd, LOCK_EX | LOCK_NB);
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        reason = ErrnoReason();
        ::close(fd);
        ::unlink(buffer.data());
        return nullptr;
    }
    name = buffer.data();
    return file;
}

bool SyncAndClose(std::FILE* file, unsigned mode, std::string& reason) {
    const int fd = ::fileno(file);
    const bool ok = std::fflush(file) == 0 && ::fsync(fd) == 0 && ::fchmod(fd, mode) == 0;
    if (!ok) reason = ErrnoReason();
    const bool closed = std::fclose(file) == 0;
    if (ok && !closed) reason = ErrnoReason();
    return ok && closed;
}

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    reason = ErrnoReason();
    return false;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool RemoveUnusedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    const bool unused =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = unused && ::unlink(path.c_str()) == 0;
    ::close(fd);
    return removed;
}

bool MakeWritable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & S_IWUSR) != 0 ||
           ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool MayRead(const std::string& path) {
    return ::access(path.c_str(), R_OK) == 0;
}

bool MayWrite(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if (S_ISDIR(st.st_mode)) return ::access(path.c_str(), W_OK | X_OK) == 0;
    return (st.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

LockHandle OpenLockFile(const std::string& path, unsigned mode, std::string& reason) {
    // Read access is all that the lock needs, so a lock file that another user made serves too.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
        reason = ErrnoReason();
        return NoLockHandle;
    }
    return fd;
}

LockAttempt TryLock(LockHandle handle, std::string& reason) {
    while (::flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return LockAttempt::Busy;
        reason = ErrnoReason();
        return LockAttempt::Failed;
    }
    return LockAttempt::Taken;
}

void ReleaseLock(LockHandle handle) {
    if (handle == NoLockHandle) return;
    ::flock(static_cast<int>(handle), LOCK_UN);
    ::close(static_cast<int>(handle));
}

std::string Sha256Hex(std::string_view bytes) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int size = 0;
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    const bool ok = context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1 &&
                    EVP_DigestUpdate(context, bytes.data(), bytes.size()) == 1 &&
                    EVP_DigestFinal_ex(context, digest.data(), &size) == 1;
    EVP_MD_CTX_free(context);
    return ok ? HexText(digest.data(), size) : std::string();
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void PrepareConsole() {}

bool IsTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) == 1;
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

namespace {
// A base folder of the user: the variable's value when it is absolute (a relative one is
// invalid and is ignored, as the base directories say), else `fallback` under HOME.
std::string XdgFolder(const char* variable, const char* fallback) {
    const std::string named = EnvironmentValue(variable);
    if (!named.empty() && named.front() == '/') return named;
    const std::string home = EnvironmentValue("HOME");
    if (home.empty()) return {};
    return (fs::path(home) / fallback).string();
}
}  // namespace

std::string UserStateFolder() {
    return XdgFolder("XDG_STATE_HOME", ".local/state");
}

std::string UserConfigFolder() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

const char* NoUserStateFolderReason() {
    return "neither XDG_STATE_HOME nor HOME names a folder.";
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec).string();
    return exe.parent_path().string();
}

std::string ProgramBeside(const std::string& name) {
    return (fs::path(ExecutableFolder()) / name).string();
}

int RunInstead(const std::string& program, const std::vector<std::string>& args,
               std::string& reason) {
    std::vector<std::string> copies = args;
    std::vector<char*> argv;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    reason = ErrnoReason();
    return -1;
}

}  // namespace tq3
#endif
