#include "session/PresetStore.h"

#include <algorithm>
#include <filesystem>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
constexpr const char* kExtension = ".json";

bool NamesFile(const std::string& text) {
    return text.find_first_of("/\\") != std::string::npos ||
           (text.size() > std::string(kExtension).size() && text.ends_with(kExtension));
}
}  // namespace

std::string UserPresetFolder() {
    const std::string config = UserConfigFolder();
    return config.empty() ? std::string() : NameOf(PathOf(config) / "tq3gen" / "presets");
}

PresetResult ReadPresetFile(const std::string& path) {
    const std::string shown = "The preset \"" + AbsolutePath(path) + "\" cannot be used: ";
    const FileState state = LookAt(path);
    if (state.kind == FileKind::Missing) return {std::nullopt, shown + "there is no such file."};
    if (state.kind != FileKind::Regular) return {std::nullopt, shown + "it is not a regular file."};
    if (state.size > MaxPresetSize)
        return {std::nullopt, shown + "it is larger than a preset can be (" +
                                  std::to_string(MaxPresetSize) + " bytes)."};
    QuietDialogs errors;
    std::string text;
    if (!ReadWholeFile(errors, path, text)) return {std::nullopt, errors.lastError};
    PresetResult read = ParsePreset(NameOf(PathOf(path).stem()), text);
    if (!read.preset) read.error = shown + read.error + ".";
    return read;
}

PresetResult FindPreset(const std::string& nameOrFile) {
    if (NamesFile(nameOrFile)) return ReadPresetFile(nameOrFile);
    const std::string folder = UserPresetFolder();
    if (!folder.empty()) {
        const std::string file = NameOf(PathOf(folder) / PathOf(nameOrFile + kExtension));
        if (LookAt(file).kind != FileKind::Missing) return ReadPresetFile(file);
    }
    for (const Preset& p : BuiltInPresets())
        if (p.name == nameOrFile) return {p, {}};
    return {std::nullopt,
            "There is no preset named \"" + nameOrFile + "\"; `tq3gen presets` lists them."};
}

PresetList ListPresets() {
    PresetList list;
    list.presets = BuiltInPresets();
    const std::string folder = UserPresetFolder();
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(PathOf(folder), ec)) return list;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(PathOf(folder), ec))
        if (NameOf(entry.path().extension()) == kExtension) files.push_back(NameOf(entry.path()));
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        PresetResult read = ReadPresetFile(file);
        if (!read.preset) {
            list.problems.push_back(read.error);
            continue;
        }
        // The user's preset takes the place of a built-in one of its name, as --preset finds it.
        std::erase_if(list.presets,
                      [&](const Preset& p) { return p.builtIn && p.name == read.preset->name; });
        list.presets.push_back(std::move(*read.preset));
    }
    return list;
}

}  // namespace tq3
