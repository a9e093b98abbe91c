#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Everything the program asks of the operating system beyond standard C++: file names, file
// states and permissions, durable replacement, the folder lock, the console and the process.
// POSIX systems and Windows each have their half, PlatformPosix.cpp and PlatformWindows.cpp;
// no other file calls the system directly.

namespace tq3 {

// File names. The program holds names as std::string. On POSIX systems a name is its bytes.
// On Windows the program's names are UTF-8; a name that is not valid UTF-8 (one read from a
// game table) is taken as Windows-1252, the game's own encoding.
std::filesystem::path PathOf(std::string_view name);
std::string NameOf(const std::filesystem::path& path);

// Whether the system's file names ignore case (Windows): a name spelled in another case then
// opens the file, and only a folder listing tells its own spelling.
#ifdef _WIN32
inline constexpr bool NamesIgnoreCase = true;
#else
inline constexpr bool NamesIgnoreCase = false;
#endif

// What a name stands for. Links are followed; `link` says the name itself is one (a link to
// nothing is Missing).
enum class FileKind { Missing, Regular, Folder, Other };
struct FileState {
    FileKind kind = FileKind::Missing;
    bool link = false;
    bool writable = false;  // its owner may write it: not read-only
    std::uint64_t size = 0;
    unsigned mode = 0;  // permission bits (read-write or read-only ones on Windows)
    // Why the name could not be looked at, when that is not because nothing is there (a
    // name beyond the system's limit, a folder that may not be searched); empty otherwise.
    std::string problem;
};
FileState LookAt(const std::string& path);

// Read and write for all: the permission bits a new file starts from.
inline constexpr unsigned ReadWriteMode = 0666;

// The permission bits a new file gets: ReadWriteMode, less the process's umask.
unsigned NewFileMode();

// The system's text for the last failed C library call (errno), as messages add it.
std::string ErrnoReason();

// Opens a file by its program name with fopen's `mode`; nullptr (errno set) on failure.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Creates a new file of a unique name for binary writing: `pattern` ends in six X that are
// replaced. Gives the file (its name in `name`), or nullptr with the reason. While it is open
// the file counts as in use (see RemoveUnusedFile).
std::FILE* CreateUniqueFile(const std::string& pattern, std::string& name, std::string& reason);

// Flushes a written file to the disk, gives it the permission bits `mode` and closes it (it
// is closed whatever fails). False with the reason on failure.
bool SyncAndClose(std::FILE* file, unsigned mode, std::string& reason);

// Renames `from` over `to`, replacing an existing `to` in one step. On Windows the rename is
// written through to the disk; on POSIX systems SyncFolder makes it durable.
bool RenameOver(const std::string& from, const std::string& to, std::string& reason);
void SyncFolder(const std::string& folder);

// Removes a file; false when it could not (a missing file included).
bool RemoveFile(const std::string& path);
// Removes a regular file (not a link) that no process holds open as a file of a unique name;
// false when it did not.
bool RemoveUnusedFile(const std::string& path);

// Lets the owner write a read-only file; false on failure.
bool MakeWritable(const std::string& path);

// Whether this process may read a file, or write a file or make files in a folder.
bool MayRead(const std::string& path);
bool MayWrite(const std::string& path);

// An exclusive lock on a file that goes with its holder, and with its process however that
// ends. Open gives the lock file's handle (made if missing, with `mode`); TryLock takes the
// lock at once or says it is busy; Release unlocks and closes.
enum class LockAttempt { Taken, Busy, Failed };
using LockHandle = std::intptr_t;
inline constexpr LockHandle NoLockHandle = -1;
LockHandle OpenLockFile(const std::string& path, unsigned mode, std::string& reason);
LockAttempt TryLock(LockHandle handle, std::string& reason);
void ReleaseLock(LockHandle handle);

// SHA-256 of bytes as 64 lowercase hexadecimal digits; empty on failure.
std::string Sha256Hex(std::string_view bytes);

// The process and its console.
// The program's arguments as UTF-8 on Windows (argv there is in the ANSI code page).
std::vector<std::string> ProgramArguments(int argc, char** argv);
// Console output in UTF-8 where the console has a code page of its own, and written as it
// is (no CR added before line feeds on Windows).
void PrepareConsole();
bool IsTerminal(std::FILE* stream);
// An environment variable's value; empty when unset.
std::string EnvironmentValue(const char* name);
// The folder where a user's programs keep state between runs (XDG_STATE_HOME or
// ~/.local/state; LOCALAPPDATA on Windows); empty when the environment names none.
std::string UserStateFolder();
// Why UserStateFolder is empty, as a sentence naming the variables it looks at.
const char* NoUserStateFolderReason();
// The folder where a user's programs keep their configuration (XDG_CONFIG_HOME or ~/.config;
// APPDATA on Windows); empty when the environment names none.
std::string UserConfigFolder();
// The folder of the running program.
std::string ExecutableFolder();
// The name of a program in the running program's folder (".exe" added on Windows).
std::string ProgramBeside(const std::string& name);
#ifdef _WIN32
// One argument of a Windows command line, quoted as CommandLineToArgvW reads it back.
std::wstring WindowsArgument(const std::string& argument);
#endif
// Runs `program` with `args` in place of this process and gives its exit status; returns only
// when it could not be started (-1, with the reason).
int RunInstead(const std::string& program, const std::vector<std::string>& args,
               std::string& reason);

}  // namespace tq3
