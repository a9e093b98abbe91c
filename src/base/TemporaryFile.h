#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tq3 {

// Every file the program writes whole goes to a temporary file of this prefix and six more
// characters in the target's folder, and takes the target's place by a rename once complete.
inline constexpr const char* TemporaryFilePrefix = ".tq3gen-";

// A whole file written under a temporary name beside its target and synced to the disk,
// ready to take the target's place by a rename. A link as target stands for the file it
// points to.
struct StagedFile {
    std::string target;     // the file that the temporary replaces
    std::string temporary;  // beside it, in the same folder
};

// The one writer of whole files: the new content is written (at once or piece by piece, so
// a long table or a picture need not be held whole) into a temporary file beside the target,
// synced, and then either renamed over the target (Commit) or left for a later rename
// together with other files (Stage). A failure, or a writer dropped before either, removes
// the temporary and leaves the target as it was. While the temporary is open it counts as in
// use, so RemoveLeftoverTemporaryFiles leaves it alone.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    // Makes the temporary beside `target` (its folder made when missing). An existing target
    // must be a writable regular file, whose permissions the new content keeps. `verb` names
    // the write in messages ("create", "append").
    bool Open(const std::string& target, const char* verb = "create");
    bool Write(std::string_view bytes);
    // The open temporary, for writers that take a C stream; a failed write through it is
    // found when the file is synced.
    std::FILE* Stream() { return file_; }
    // Syncs and closes the temporary and hands it over, to be renamed by the caller.
    bool Stage(StagedFile& staged);
    // Syncs and closes the temporary and renames it over the target.
    bool Commit();
    // The same, over `other` (in the target's folder) in place of the target.
    bool Commit(const std::string& other);

    // What failed: a message naming the target with the system's reason, and that reason
    // alone, for messages of the callers' own.
    const std::string& Error() const { return error_; }
    const std::string& Reason() const { return reason_; }

  private:
    bool Fail(const std::string& message, const std::string& reason);
    bool Close();

    std::string target_, given_, temporary_, error_, reason_;
    std::FILE* file_ = nullptr;
    unsigned mode_ = 0;
    bool failed_ = false;
};

// Writes `content` as the staged new content of `target`. On failure gives false with the
// message (naming the file, with the system's reason) in `error`, and leaves nothing behind.
// `verb` names the write in that message ("create", "append").
bool StageFile(const std::string& target, const std::string& content, const char* verb,
               StagedFile& staged, std::string& error);

// Removes from a folder the temporaries that writes cut short (the process killed) left
// behind; a temporary that a writer still has open is left alone.
void RemoveLeftoverTemporaryFiles(const std::string& folder);

// Whether a file name (no folder) is one of the writer's temporaries.
bool IsTemporaryFileName(std::string_view name);

}  // namespace tq3
