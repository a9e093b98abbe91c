#include "cli/PresetCommand.h"

#include <iostream>

#include "cli/CliDialogs.h"
#include "session/PresetStore.h"

namespace tq3 {

void AddPresetOption(CLI::App& command, std::optional<std::string>& preset) {
    command
        .add_option("--preset", preset,
                    "Apply a preset's settings first (a --mode or --set given too wins): a name "
                    "that `tq3gen presets` lists, or a preset file.")
        ->type_name("NAME|FILE");
}

bool AddPresetOverrides(World& world, const std::optional<std::string>& preset, Dialogs& dialogs) {
    if (!preset) return true;
    const PresetResult found = FindPreset(*preset);
    if (!found.preset) {
        dialogs.Error(found.error);
        return false;
    }
    const SettingValues overrides = PresetOverrides(*found.preset);
    world.SettingOverrides.insert(world.SettingOverrides.end(), overrides.begin(), overrides.end());
    return true;
}

namespace {
// Each preset: its name and where it comes from, its description, the settings it changes.
int ListPresetsCommand() {
    const PresetList list = ListPresets();
    for (const Preset& p : list.presets) {
        std::cout << p.name << (p.builtIn ? "  (built-in)" : "") << "\n";
        if (!p.description.empty()) std::cout << "  " << p.description << "\n";
        std::string changes;
        for (const auto& [key, value] : PresetOverrides(p))
            changes += (changes.empty() ? "" : ", ") + key + "=" + value;
        std::cout << "  " << (changes.empty() ? "(changes nothing)" : changes) << "\n";
    }
    const std::string folder = UserPresetFolder();
    std::cout << "\nYour presets are the NAME.json files in "
              << (folder.empty() ? "(no configuration folder)" : folder) << "\n";
    CliDialogs cli(std::cerr);
    for (const std::string& problem : list.problems) cli.Error(problem);
    return list.problems.empty() ? 0 : 1;
}
}  // namespace

Command AddPresetsCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "presets",
        "List the presets that --preset takes, built-in and your own, with what each "
        "changes.");
    return {command, [] { return ListPresetsCommand(); }};
}

}  // namespace tq3
