#include "config/SettingsFile.h"

#include <algorithm>
#include <span>
#include <unordered_set>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/SettingLineIndex.h"
#include "base/TextFile.h"
#include "config/Adjacency.h"
#include "config/NationsFile.h"
#include "config/ProvinceTemplate.h"
#include "config/SettingsChanges.h"

namespace tq3 {

namespace {

// Reads one setting from its line (empty when the key is missing), by the field's kind.
struct FieldReader {
    std::string_view line;

    void operator()(bool& v) const { v = BoolValueOf(line); }
    void operator()(int8_t& v) const {
        v = static_cast<int8_t>(static_cast<uint8_t>(IntValueOf(line)));
    }
    void operator()(int16_t& v) const {
        v = static_cast<int16_t>(static_cast<uint16_t>(IntValueOf(line)));
    }
    void operator()(std::string& v) const { v = FirstValueOf(line); }
    void operator()(std::string& v, TextListSetting) const { v = ValuesOf(line); }
    template <std::size_t N>
    void operator()(std::array<std::string, N>& v) const {
        SplitStrings(ValuesView(line), v, static_cast<int>(N) - 1);
    }
    template <std::size_t N>
    void operator()(std::array<int16_t, N>& v) const {
        SplitShorts(ValuesView(line), v, static_cast<int>(N) - 1);
    }
    template <std::size_t N>
    void operator()(std::array<uint8_t, N>& v) const {
        SplitBytes(ValuesView(line), v, static_cast<int>(N) - 1);
    }
};

// Reads every field that `visitAll` lists from the settings text, each key looked up in a
// table of the text's lines built once.
template <class VisitAll>
void ReadKeys(World& world, VisitAll visitAll) {
    const SettingLineIndex lines(world.SettingsText);
    visitAll(world.Settings, [&](const std::string& key, auto& field, auto... tag) {
        FieldReader{lines.Line(key)}(field, tag...);
    });
}

void ComputeColors(TGeneratorSettings& s) {
    for (std::size_t i = 0; i < s.Colors.size(); ++i)
        s.Colors[i] = s.ColorRed[i] + 256 * s.ColorGreen[i] + 65536 * s.ColorBlue[i];
}

}  // namespace

namespace {
// The settings text of the folder with the command's overrides written into it; false, with
// the error shown, when the settings or the nations file is missing or unreadable.
bool ReadSettingsText(World& world, Dialogs& dialogs) {
    const std::string settingsFile = world.GamePath(GameFiles::SettingsTable);
    if (!FileExists(settingsFile)) {
        dialogs.Error("File TQ3Gener.csv not found");
        return false;
    }
    if (!FileExists(world.GamePath(GameFiles::NationsTable))) {
        dialogs.Error("File TQ3GenerCountry.csv not found");
        return false;
    }
    std::string text;
    if (!ReadTextFile(dialogs, settingsFile, text)) return false;
    world.SettingsText = WithOverrides(std::move(text), world.SettingOverrides);
    return true;
}
}  // namespace

OperationReport LoadSettings(World& world, Dialogs& dialogs, bool fullReload) {
    OperationReport report;
    // Every loader below reports through these, so the report holds all in the order shown.
    ReportingDialogs reporting(dialogs, report);
    // The game paths are resolved afresh for each load: files may have changed since the last.
    world.Paths.Forget();
    reporting.Busy(true);
    // Without the settings or the nations file nothing is loaded and nothing changes.
    if (!ReadSettingsText(world, reporting)) {
        reporting.Busy(false);
        report.refused = true;
        return report;
    }

    // The user settings are read only on a full load; a reload keeps the window's choices.
    if (fullReload) {
        ReadKeys(world, [](auto& s, auto&& visit) { VisitUserSettings(s, visit); });
        ComputeColors(world.Settings);
        CheckSettingRanges(world, reporting);
    }
    ReadKeys(world, [](auto& s, auto&& visit) { VisitGenerationTables(s, visit); });

    LoadProvinceTemplate(world, reporting, false, false);
    if (fullReload) LoadAdjacency(world, reporting, true);
    LoadNations(world, reporting);

    // IndivSizeDoubled doubles every nation's own size, within 1..10.
    if (world.Settings.IndivSizeDoubled) {
        for (int n = 1; n <= world.NationCountLoaded(); ++n)
            world.Nations[n].Size =
                static_cast<int8_t>(std::clamp<int>(2 * world.Nations[n].Size, 1, 10));
    }
    reporting.Busy(false);
    return report;
}

TGeneratorSettings SettingsOfText(const std::string& text) {
    TGeneratorSettings settings;
    const SettingLineIndex lines(text);
    auto read = [&](const std::string& key, auto& field, auto... tag) {
        FieldReader{lines.Line(key)}(field, tag...);
    };
    VisitUserSettings(settings, read);
    VisitGenerationTables(settings, read);
    ComputeColors(settings);
    return settings;
}

int SettingLineNumber(const std::string& settingsText, const std::string& key) {
    const SettingLine at = FindSettingLine(settingsText, key);
    if (!at.found) return 0;
    return 1 + static_cast<int>(
                   std::count(settingsText.begin(), settingsText.begin() + at.start, '\n'));
}

namespace {
// Hashes keys given as any kind of string, so that a view needs no copy to be looked up.
struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const {
        return std::hash<std::string_view>{}(key);
    }
};

// Every key of the settings file, gathered once from the lists of settings.
const std::unordered_set<std::string, KeyHash, std::equal_to<>>& SettingKeys() {
    static const std::unordered_set<std::string, KeyHash, std::equal_to<>> keys = [] {
        std::unordered_set<std::string, KeyHash, std::equal_to<>> all;
        TGeneratorSettings probe;
        auto add = [&](const std::string& k, auto&&...) { all.insert(k); };
        VisitUserSettings(probe, add);
        VisitGenerationTables(probe, add);
        return all;
    }();
    return keys;
}
}  // namespace

bool IsSettingKey(std::string_view key) {
    return SettingKeys().find(key) != SettingKeys().end();
}

std::string WithOverrides(std::string text,
                          const std::vector<std::pair<std::string, std::string>>& overrides) {
    for (const auto& [key, value] : overrides) {
        const SettingLine at = FindSettingLine(text, key);
        if (at.found) {
            std::size_t end = text.find("\r\n", at.start);
            if (end == std::string::npos) end = text.size();
            text.replace(at.start, end - at.start, key + ";" + value);
        } else {
            text += "\r\n" + key + ";" + value + "\r\n";
        }
    }
    return text;
}

OperationReport CheckSettingRanges(World& world, Dialogs& userDialogs) {
    OperationReport report;
    ReportingDialogs dialogs(userDialogs, report);
    TGeneratorSettings& s = world.Settings;
    // A number its key cannot hold is wrapped into the key's range, as the game's own
    // reader does; the note names the value used.
    const std::string file = world.GamePath(GameFiles::SettingsTable);
    for (const SettingOutOfRange& r : SettingsOutOfRange(s, world.SettingsText))
        dialogs.Problem(file, SettingLineNumber(world.SettingsText, r.key),
                        r.key + " is " + r.written + ", outside what it holds (" + r.takes + "); " +
                            r.used + " is used");
    if (s.ProvinceCount > MaxProvinceNumber) {
        dialogs.Problem(world.GamePath(GameFiles::SettingsTable),
                        SettingLineNumber(world.SettingsText, "ProvinceCount"),
                        "ProvinceCount " + std::to_string(s.ProvinceCount) +
                            " is above the highest province number 1620; 1620 is used");
        s.ProvinceCount = MaxProvinceNumber;
    }
    return report;
}

}  // namespace tq3
