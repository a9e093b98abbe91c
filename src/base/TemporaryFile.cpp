#include "base/TemporaryFile.h"

#include <filesystem>

#include "base/Platform.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kUniqueCharacters = 6;  // the X that make a temporary's name unique
const std::string kQuote = "\"";

// The system's reason for a failure, as messages add it.
std::string WithReason(const std::string& message, const std::string& reason) {
    return message + (reason.empty() ? std::string() : " (" + reason + ")");
}
}  // namespace

TemporaryFile::~TemporaryFile() {
    if (file_) std::fclose(file_);
    if (!temporary_.empty()) RemoveFile(temporary_);
}

bool TemporaryFile::Fail(const std::string& message, const std::string& reason) {
    error_ = WithReason(message, reason);
    reason_ = reason;
    failed_ = true;
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temporary_.empty()) RemoveFile(temporary_);
    temporary_.clear();
    return false;
}

bool TemporaryFile::Open(const std::string& target, const char* verb) {
    given_ = target;
    const std::string openMessage =
        std::string("Cannot ") + verb + " file " + kQuote + target + kQuote + " on disk !";
    std::error_code ec;
    fs::path path = PathOf(target);
    // A link is replaced at the file it points to; anything else is looked at once.
    FileState state = LookAt(target);
    if (state.link) {
        path = fs::canonical(path, ec);
        if (ec) return Fail(openMessage, ec.message());
        state = LookAt(NameOf(path));
    }

    mode_ = NewFileMode();
    if (state.kind != FileKind::Missing) {
        // A read-only game file (no write permission for its owner) is not replaced.
        if (state.kind != FileKind::Regular) return Fail(openMessage, "it is not a regular file");
        if (!state.writable) return Fail(openMessage, "it is read-only");
        mode_ = state.mode;
    } else if (path.has_parent_path()) {
        fs::create_directories(path.parent_path(), ec);
    }

    // A short name beside the target, so that any legal target name can be written.
    const std::string pattern = NameOf(path.parent_path() / (std::string(TemporaryFilePrefix) +
                                                             std::string(kUniqueCharacters, 'X')));
    std::string reason;
    file_ = CreateUniqueFile(pattern, temporary_, reason);
    if (file_ == nullptr) return Fail(openMessage, reason);
    target_ = NameOf(path);
    return true;
}

bool TemporaryFile::Write(std::string_view bytes) {
    if (!file_ || failed_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) return true;
    return Fail("Cannot write whole content of file: " + kQuote + given_ + kQuote + " !",
                ErrnoReason());
}

// The content reaches the disk before the temporary can take the target's place.
bool TemporaryFile::Close() {
    if (!file_ || failed_) return false;
    std::string reason;
    const bool synced = SyncAndClose(file_, mode_, reason);
    file_ = nullptr;
    if (!synced) return Fail("Cannot write file: " + kQuote + given_ + kQuote + " !", reason);
    return true;
}

bool TemporaryFile::Stage(StagedFile& staged) {
    if (!Close()) return false;
    staged.target = target_;
    staged.temporary = temporary_;
    temporary_.clear();
    return true;
}

bool TemporaryFile::Commit() {
    return Commit(target_);
}

bool TemporaryFile::Commit(const std::string& other) {
    if (!Close()) return false;
    std::string reason;
    if (!RenameOver(temporary_, other, reason))
        return Fail(
            "Cannot write file: " + kQuote + (other == target_ ? given_ : other) + kQuote + " !",
            reason);
    temporary_.clear();
    return true;
}

bool StageFile(const std::string& target, const std::string& content, const char* verb,
               StagedFile& staged, std::string& error) {
    TemporaryFile file;
    if (file.Open(target, verb) && file.Write(content) && file.Stage(staged)) return true;
    error = file.Error();
    return false;
}

bool IsTemporaryFileName(std::string_view name) {
    const std::string_view prefix = TemporaryFilePrefix;
    return name.size() == prefix.size() + kUniqueCharacters &&
           name.substr(0, prefix.size()) == prefix;
}

void RemoveLeftoverTemporaryFiles(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(PathOf(folder), ec))
        if (IsTemporaryFileName(NameOf(entry.path().filename())))
            RemoveUnusedFile(NameOf(entry.path()));
}

}  // namespace tq3
