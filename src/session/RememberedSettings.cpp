#include "session/RememberedSettings.h"

#include <filesystem>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "session/PresetStore.h"

namespace tq3 {

namespace {
// Hex digits of the folder's hash in the file's name: enough that two folders never meet.
constexpr std::size_t kHashDigits = 16;
}  // namespace

std::string RememberedSettingsFile(const std::string& gameFolder) {
    const std::string config = UserConfigFolder();
    if (config.empty()) return {};
    // The same folder by any of its names (relative, through links) gives the same file.
    std::error_code ec;
    std::filesystem::path canonical =
        std::filesystem::weakly_canonical(std::filesystem::absolute(PathOf(gameFolder), ec), ec);
    if (ec) canonical = PathOf(AbsolutePath(gameFolder)).lexically_normal();
    std::string path = NameOf(canonical);
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    const std::string hash = Sha256Hex(path).substr(0, kHashDigits);
    return NameOf(PathOf(config) / "tq3gen" / "folders" / PathOf(hash + ".json"));
}

PresetResult ReadRememberedSettings(const std::string& gameFolder) {
    const std::string file = RememberedSettingsFile(gameFolder);
    if (file.empty() || LookAt(file).kind == FileKind::Missing) return {};
    return ReadPresetFile(file, "file of your changed settings");
}

std::string RememberSettings(const std::string& gameFolder, const Preset& changes) {
    if (!changes.generatorMode && changes.settings.empty())
        return ForgetRememberedSettings(gameFolder);
    const std::string file = RememberedSettingsFile(gameFolder);
    if (file.empty()) return {};
    Preset kept = changes;
    kept.description = "Changed settings of " + AbsolutePath(gameFolder);
    return WritePresetFile(kept, file);
}

std::string ForgetRememberedSettings(const std::string& gameFolder) {
    const std::string file = RememberedSettingsFile(gameFolder);
    if (file.empty()) return {};
    std::error_code ec;
    std::filesystem::remove(PathOf(file), ec);
    if (ec)
        return "Cannot delete the file of your changed settings \"" + file + "\": " + ec.message() +
               ".";
    return {};
}

}  // namespace tq3
