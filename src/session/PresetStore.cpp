#include "session/PresetStore.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {
constexpr const char* kExtension = ".json";
constexpr std::size_t kMaxNameLength = 64;
constexpr const char* kDeviceNames[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
constexpr const char* kNoConfigFolder =
    "Your presets have no folder: the environment names no configuration folder.";

bool NamesFile(const std::string& text) {
    return text.find_first_of("/\\") != std::string::npos ||
           (text.size() > std::string(kExtension).size() && text.ends_with(kExtension));
}
}  // namespace

std::string UserPresetFolder() {
    const std::string config = UserConfigFolder();
    return config.empty() ? std::string() : NameOf(PathOf(config) / "tq3gen" / "presets");
}

PresetResult ReadPresetFile(const std::string& path, const std::string& what) {
    const std::string shown = "The " + what + " \"" + AbsolutePath(path) + "\" cannot be used: ";
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

std::string PresetNameProblem(const std::string& name) {
    const std::string shown = "\"" + name + "\" cannot name a preset: ";
    if (name.empty()) return "A preset needs a name.";
    if (name.size() > kMaxNameLength)
        return shown + "a name has at most " + std::to_string(kMaxNameLength) + " characters.";
    const auto allowed = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
    };
    if (!std::isalnum(static_cast<unsigned char>(name.front())) ||
        !std::all_of(name.begin(), name.end(), allowed))
        return shown +
               "a name is made of the letters A to Z, digits, \"-\" and \"_\", and begins "
               "with a letter or digit.";
    // Names that Windows keeps for devices, whatever follows them.
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* device : kDeviceNames)
        if (upper == device)
            return shown + "Windows keeps it for a device, so no file can have it.";
    return {};
}

std::string UserPresetFile(const std::string& name) {
    const std::string folder = UserPresetFolder();
    return folder.empty() ? std::string() : NameOf(PathOf(folder) / PathOf(name + kExtension));
}

std::string WritePresetFile(const Preset& preset, const std::string& path) {
    QuietDialogs errors;
    if (WriteWholeFile(errors, path, PresetJson(preset), false)) return {};
    return errors.lastError.empty() ? "Cannot write the preset \"" + AbsolutePath(path) + "\"."
                                    : errors.lastError;
}

std::string WriteUserPreset(const Preset& preset) {
    if (std::string problem = PresetNameProblem(preset.name); !problem.empty()) return problem;
    const std::string file = UserPresetFile(preset.name);
    if (file.empty()) return kNoConfigFolder;
    return WritePresetFile(preset, file);
}

std::string DeleteUserPreset(const std::string& name) {
    const std::string file = UserPresetFile(name);
    if (file.empty()) return kNoConfigFolder;
    std::error_code ec;
    if (!std::filesystem::remove(PathOf(file), ec))
        return "Cannot delete the preset \"" + AbsolutePath(file) +
               "\": " + (ec ? ec.message() : std::string("there is no such file")) + ".";
    return {};
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
