#include "base/GamePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/GameFiles.h"
#include "base/NameMatch.h"
#include "base/Platform.h"

namespace tq3 {

namespace fs = std::filesystem;

namespace {
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::vector<std::string> Components(const std::string& relative) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}
}  // namespace

std::string GamePath(const std::string& programFolder, const std::string& relative) {
    fs::path path = programFolder.empty() ? fs::path(".") : PathOf(programFolder);
    const std::vector<std::string> parts = Components(relative);
    // A path spelled as it exists resolves to itself: one look-up instead of one per
    // component and a folder listing for each that differs in case.
    fs::path spelled = path;
    for (const std::string& part : parts) spelled /= PathOf(part);
    std::error_code exact;
    if (!NamesIgnoreCase && fs::exists(spelled, exact)) return NameOf(spelled);

    bool searching = true;
    bool respelled = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (searching) {
            // The whole path as spelled is already known to be missing.
            const bool missing = !respelled && i + 1 == parts.size();
            std::error_code ec;
            if (missing || NamesIgnoreCase || !fs::exists(path / PathOf(part), ec)) {
                std::string match;
                for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
                    const std::string name = NameOf(it->path().filename());
                    if (SameIgnoringCase(name, part)) {
                        match = name;
                        break;
                    }
                }
                if (!match.empty()) {
                    path /= PathOf(match);
                    respelled = respelled || match != part;
                    continue;
                }
                searching = false;
            }
        }
        path /= PathOf(part);
    }
    return NameOf(path);
}

const std::string& GamePaths::Resolve(const std::string& programFolder,
                                      const std::string& relative) {
    // Names resolved under another folder say nothing of this one.
    if (programFolder != folder_) {
        resolved_.clear();
        folder_ = programFolder;
    }
    // "\\DB\\Goods.csv" and "/DB/Goods.csv" are one game path.
    std::string key = relative;
    std::replace(key.begin(), key.end(), '/', '\\');
    auto [at, added] = resolved_.try_emplace(std::move(key));
    if (added) at->second = GamePath(programFolder, relative);
    return at->second;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return NameOf(PathOf(folder) / PathOf(name));
}

std::string AbsolutePath(const std::string& name) {
    std::error_code ec;
    fs::path abs = fs::absolute(PathOf(name), ec);
    if (ec) return name;
    return NameOf(abs.lexically_normal());
}

bool FileExists(const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(PathOf(name), ec);
}

bool FolderExists(const std::string& name) {
    std::error_code ec;
    return fs::is_directory(PathOf(name), ec);
}

std::string OwnGameFolderOf(const std::string& programFolder, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path game = fs::weakly_canonical(fs::absolute(PathOf(programFolder), ec), ec);
    const fs::path chosen = fs::weakly_canonical(fs::absolute(PathOf(path), ec), ec);
    const fs::path inside = chosen.lexically_relative(game);
    if (inside.empty() || *inside.begin() == ".." || inside == ".") return {};
    for (const char* own : GameFiles::OwnFolders)
        if (SameTextIgnoringCase(NameOf(*inside.begin()), own)) return own;
    return {};
}

}  // namespace tq3
