#include "render/PictureTarget.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/Platform.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kLongestName = 255;  // bytes of one name on Linux file systems
constexpr const char* kTemporarySuffix = ".tq3gen-";
constexpr std::size_t kUniqueCharacters = 6;  // the XXXXXX that mkstemp fills in
// The names of the files a game folder holds for tq3gen itself.
constexpr const char* kOwnFiles[] = {".tq3gen.lock", ".tq3gen-journal"};

bool HoldsPngSignature(const std::string& path) {
    return ReadFileHead(path) == FileHead::Png;
}

// Whether `path` lies inside `folder` (both made absolute, links of existing parts resolved).
bool IsInside(const fs::path& path, const std::string& folder) {
    std::error_code ec;
    const fs::path inside = path.lexically_relative(fs::weakly_canonical(PathOf(folder), ec));
    return !ec && !inside.empty() && *inside.begin() != "..";
}
}  // namespace

std::string RefusedPictureTarget(const std::string& path, const std::string& gameFolder) {
    const std::string name = NameOf(PathOf(path).filename());
    for (const char* own : kOwnFiles)
        if (name == own) return "it is tq3gen's own file of a game folder, not a picture";

    const FileState state = LookAt(path);
    if (state.link && state.kind == FileKind::Folder)
        return "it is a link to a folder, not a PNG image";
    if (state.kind == FileKind::Folder) return "it is a folder, not a PNG image";
    if (state.kind == FileKind::Other)
        return "it is not a regular file (a FIFO, socket or device), so it is not "
               "replaced";
    if (state.kind == FileKind::Regular && state.size == 0)
        return "it is an empty file, not a PNG image, so it is not replaced";

    // Inside the game folder, a name that one of the game's files has in another case.
    std::error_code ec;
    const fs::path absolute = fs::weakly_canonical(PathOf(path), ec);
    if (gameFolder.empty() || ec || !IsInside(absolute, gameFolder)) return {};
    // Inside one of the game's own folders, or by its name where the game or the next
    // backup needs the folder.
    if (const std::string own = OwnGameFolderOf(gameFolder, path); !own.empty())
        return absolute.parent_path() == fs::weakly_canonical(PathOf(gameFolder), ec)
                   ? "it names the game's folder \"" + own + "\", so it is not written"
                   : "it is inside the game's own " + own + "/ folder, so it is not written";
    for (const auto& entry : fs::directory_iterator(absolute.parent_path(), ec)) {
        const std::string other = NameOf(entry.path().filename());
        if (other == NameOf(absolute.filename()) || !SameTextIgnoringCase(other, name)) continue;
        if (!HoldsPngSignature(NameOf(entry.path())))
            return "it names the game file \"" + NameOf(entry.path()) +
                   "\" in another case, so it is not written";
    }
    return {};
}

FileHead ReadFileHead(const std::string& path) {
    static constexpr unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    FILE* file = OpenFile(path, "rb");
    if (file == nullptr) return FileHead::Unreadable;
    unsigned char head[sizeof Signature] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    if (got == 0) return FileHead::Empty;
    return got == sizeof head && std::memcmp(head, Signature, sizeof head) == 0 ? FileHead::Png
                                                                                : FileHead::Other;
}

std::string PictureTemporaryPattern(const std::string& path) {
    const fs::path target = PathOf(path);
    std::string name = NameOf(target.filename());
    const std::size_t added = std::strlen(kTemporarySuffix) + kUniqueCharacters;
    if (name.size() + added > kLongestName) name.resize(kLongestName - added);
    return NameOf(target.parent_path() /
                  PathOf(name + kTemporarySuffix + std::string(kUniqueCharacters, 'X')));
}

void RemoveLeftoverPictureTemporaries(const std::string& path) {
    const std::string pattern = NameOf(PathOf(PictureTemporaryPattern(path)).filename());
    const std::string prefix = pattern.substr(0, pattern.size() - kUniqueCharacters);
    std::error_code ec;
    const fs::path parent = PathOf(path).parent_path();
    const fs::path folder = parent.empty() ? fs::path(".") : parent;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = NameOf(entry.path().filename());
        if (name.size() == pattern.size() && name.rfind(prefix, 0) == 0 &&
            entry.is_regular_file(ec))
            fs::remove(entry.path(), ec);
    }
}

}  // namespace tq3
