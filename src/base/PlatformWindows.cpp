// The Windows half of Platform.h: wide file names in UTF-8 (Windows-1252 where a name is not
// UTF-8), file attributes, written-through renames, LockFileEx and BCrypt.
#ifdef _WIN32
#include "base/Platform.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include <windows.h>
// windows.h first: the headers below need its types.
#include <bcrypt.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <shellapi.h>
#include <sys/stat.h>

#include "base/Numbers.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
constexpr UINT kGameCodePage = 1252;
constexpr std::size_t kUniqueCharacters = 6;  // the X at the end of a unique file's pattern

std::wstring Widen(std::string_view text, UINT codePage, DWORD flags) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int count = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (count <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), count);
    return wide;
}

// UTF-8 where the name is valid UTF-8, Windows-1252 otherwise.
std::wstring WideName(std::string_view name) {
    if (name.empty()) return {};
    std::wstring wide = Widen(name, CP_UTF8, MB_ERR_INVALID_CHARS);
    return wide.empty() ? Widen(name, kGameCodePage, 0) : wide;
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int count =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (count <= 0) return {};
    std::string text(static_cast<std::size_t>(count), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), count, nullptr, nullptr);
    return text;
}

// The system's text for a Windows error code, without its closing line break.
std::string WindowsReason(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        ::FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? Utf8(std::wstring_view(buffer, length)) : std::string();
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "system error " + std::to_string(code) : text;
}

std::string LastWindowsReason() {
    return WindowsReason(::GetLastError());
}

std::wstring WideMode(const char* mode) {
    return std::wstring(mode, mode + std::strlen(mode));
}
}  // namespace

fs::path PathOf(std::string_view name) {
    return fs::path(WideName(name));
}

std::string NameOf(const fs::path& path) {
    return Utf8(path.native());
}

FileState LookAt(const std::string& path) {
    FileState state;
    const std::wstring wide = WideName(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND)
            state.problem = WindowsReason(code);
        return state;
    }
    state.link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (state.link) {
        // What the link points to: the attributes of the opened target.
        const HANDLE h = ::CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return state;
        BY_HANDLE_FILE_INFORMATION info{};
        const bool got = ::GetFileInformationByHandle(h, &info);
        ::CloseHandle(h);
        if (!got) return state;
        data.dwFileAttributes = info.dwFileAttributes;
        data.nFileSizeHigh = info.nFileSizeHigh;
        data.nFileSizeLow = info.nFileSizeLow;
    }
    const DWORD a = data.dwFileAttributes;
    state.kind = (a & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder
                 : (a & FILE_ATTRIBUTE_DEVICE)  ? FileKind::Other
                                                : FileKind::Regular;
    state.writable = (a & FILE_ATTRIBUTE_READONLY) == 0;
    state.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    state.mode = state.writable ? ReadWriteMode : ReadWriteMode & ~0222u;
    return state;
}

unsigned NewFileMode() {
    return ReadWriteMode;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return ::_wfopen(WideName(path).c_str(), WideMode(mode).c_str());
}

std::FILE* CreateUniqueFile(const std::string& pattern, std::string& name, std::string& reason) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    constexpr int kTries = 100;
    if (pattern.size() < kUniqueCharacters) {
        reason = "the name pattern is too short";
        return nullptr;
    }
    const std::size_t at = pattern.size() - kUniqueCharacters;
    unsigned long long seed = ::GetTickCount64() ^
                              (static_cast<unsigned long long>(::GetCurrentProcessId()) << 20) ^
                              reinterpret_cast<std::uintptr_t>(&name);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        std::string candidate = pattern;
        for (std::size_t i = 0; i < kUniqueCharacters; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            candidate[at + i] = kLetters[(seed >> 33) % (sizeof kLetters - 1)];
        }
        // CREATE_NEW fails when the name is taken, so two writers never share a file.
        const HANDLE h = ::CreateFileW(WideName(candidate).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                       nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS) continue;
            reason = LastWindowsReason();
            return nullptr;
        }
        const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(h), _O_BINARY);
        if (fd < 0) {
            reason = ErrnoReason();
            ::CloseHandle(h);
            ::DeleteFileW(WideName(candidate).c_str());
            return nullptr;
        }
        std::FILE* file = ::_fdopen(fd, "wb");
        if (file == nullptr) {
            reason = ErrnoReason();
            ::_close(fd);
            ::DeleteFileW(WideName(candidate).c_str());
            return nullptr;
        }
        name = candidate;
        return file;
    }
    reason = "no free temporary file name";
    return nullptr;
}

bool SyncAndClose(std::FILE* file, unsigned /*mode*/, std::string& reason) {
    bool ok = std::fflush(file) == 0;
    if (!ok) reason = ErrnoReason();
    if (ok && !::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file))))) {
        ok = false;
        reason = LastWindowsReason();
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        reason = ErrnoReason();
    }
    return ok;
}

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
    if (::MoveFileExW(WideName(from).c_str(), WideName(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = LastWindowsReason();
    return false;
}

void SyncFolder(const std::string& /*folder*/) {
    // Renames are written through when they are made.
}

bool RemoveFile(const std::string& path) {
    return ::DeleteFileW(WideName(path).c_str()) != 0;
}

bool RemoveUnusedFile(const std::string& path) {
    // A unique file is opened without sharing, so deleting it fails while it is open.
    const DWORD a = ::GetFileAttributesW(WideName(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES ||
        (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return false;
    return RemoveFile(path);
}

bool MakeWritable(const std::string& path) {
    const std::wstring wide = WideName(path);
    const DWORD a = ::GetFileAttributesW(wide.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    return (a & FILE_ATTRIBUTE_READONLY) == 0 ||
           ::SetFileAttributesW(wide.c_str(), a & ~FILE_ATTRIBUTE_READONLY) != 0;
}

bool MayRead(const std::string& path) {
    const HANDLE h = ::CreateFileW(WideName(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(h);
    return true;
}

bool MayWrite(const std::string& path) {
    const FileState state = LookAt(path);
    // A folder's read-only attribute does not stop files being made in it.
    return state.kind == FileKind::Folder || (state.kind == FileKind::Regular && state.writable);
}

LockHandle OpenLockFile(const std::string& path, unsigned /*mode*/, std::string& reason) {
    // Read access suffices for the lock, and the lock file is shared with every other opener.
    const HANDLE h = ::CreateFileW(WideName(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        reason = LastWindowsReason();
        return NoLockHandle;
    }
    return reinterpret_cast<LockHandle>(h);
}

LockAttempt TryLock(LockHandle handle, std::string& reason) {
    OVERLAPPED at{};
    if (::LockFileEx(reinterpret_cast<HANDLE>(handle),
                     LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
        return LockAttempt::Taken;
    const DWORD code = ::GetLastError();
    if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return LockAttempt::Busy;
    reason = WindowsReason(code);
    return LockAttempt::Failed;
}

void ReleaseLock(LockHandle handle) {
    if (handle == NoLockHandle) return;
    OVERLAPPED at{};
    ::UnlockFileEx(reinterpret_cast<HANDLE>(handle), 0, 1, 0, &at);
    ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

std::string Sha256Hex(std::string_view bytes) {
    constexpr ULONG kDigestSize = 32;
    std::array<unsigned char, kDigestSize> digest{};
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!BCRYPT_SUCCESS(
            ::BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
        return {};
    BCRYPT_HASH_HANDLE hash = nullptr;
    bool ok = BCRYPT_SUCCESS(::BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
    // Hashed in pieces a ULONG can count.
    constexpr std::size_t kPiece = 1u << 30;
    for (std::size_t at = 0; ok && at < bytes.size(); at += kPiece) {
        const std::size_t n = std::min(kPiece, bytes.size() - at);
        ok = BCRYPT_SUCCESS(
            ::BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + at)),
                             static_cast<ULONG>(n), 0));
    }
    ok = ok && BCRYPT_SUCCESS(::BCryptFinishHash(hash, digest.data(), kDigestSize, 0));
    if (hash) ::BCryptDestroyHash(hash);
    ::BCryptCloseAlgorithmProvider(algorithm, 0);
    return ok ? HexText(digest.data(), digest.size()) : std::string();
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (wide == nullptr) {
        for (int i = 0; i < argc; ++i) args.emplace_back(argv[i]);
        return args;
    }
    for (int i = 0; i < count; ++i) args.push_back(Utf8(wide[i]));
    ::LocalFree(wide);
    return args;
}

void PrepareConsole() {
    ::SetConsoleOutputCP(CP_UTF8);
    // Output bytes as written: the same lines as on other systems, and no CR put before each
    // line feed of text that scripts read.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

bool IsTerminal(std::FILE* stream) {
    return ::_isatty(::_fileno(stream)) != 0;
}

std::string EnvironmentValue(const char* name) {
    const std::wstring wideName = Widen(name, CP_UTF8, 0);
    const wchar_t* value = ::_wgetenv(wideName.c_str());
    return value ? Utf8(value) : std::string();
}

std::string UserStateFolder() {
    return EnvironmentValue("LOCALAPPDATA");
}

std::string UserConfigFolder() {
    return EnvironmentValue("APPDATA");
}

const char* NoUserStateFolderReason() {
    return "LOCALAPPDATA names no folder.";
}

std::string ExecutableFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return ".";
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return NameOf(fs::path(buffer).parent_path());
}

std::string ProgramBeside(const std::string& name) {
    return NameOf(PathOf(ExecutableFolder()) / PathOf(name + ".exe"));
}

std::wstring WindowsArgument(const std::string& argument) {
    // Backslashes are doubled only before a quote and at the end, as CommandLineToArgvW reads.
    std::wstring quoted = L"\"";
    std::size_t slashes = 0;
    for (wchar_t c : WideName(argument)) {
        if (c == L'\\') {
            ++slashes;
        } else {
            if (c == L'"') quoted.append(slashes + 1, L'\\');
            slashes = 0;
        }
        quoted += c;
    }
    quoted.append(slashes, L'\\');
    return quoted + L"\"";
}

int RunInstead(const std::string& program, const std::vector<std::string>& args,
               std::string& reason) {
    // Windows has no exec: the program runs as a child and its status becomes this one's.
    std::vector<std::wstring> wide;
    for (const std::string& a : args) wide.push_back(WindowsArgument(a));
    std::vector<const wchar_t*> argv;
    for (const std::wstring& w : wide) argv.push_back(w.c_str());
    argv.push_back(nullptr);
    const intptr_t status = ::_wspawnv(_P_WAIT, WideName(program).c_str(), argv.data());
    if (status == -1) {
        reason = ErrnoReason();
        return -1;
    }
    std::exit(static_cast<int>(status));
}

}  // namespace tq3
#endif
