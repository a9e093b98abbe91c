#include "cli/GameCommand.h"

#include <iostream>

#include "cli/Commands.h"
#include "cli/PresetCommand.h"
#include "config/SettingsFile.h"
#include "render/PngFile.h"
#include "session/ConfigCheck.h"
#include "session/GameFolder.h"

namespace tq3 {

GameCommand::GameCommand() : cli(std::cerr), dialogs(cli, report) {}

bool GameCommand::Open(const std::string& gameDir, bool pictures) {
    if (pictures && !CanWritePictures()) {
        cli.Error(NoPicturesMessage);
        return false;
    }
    auto opened = std::make_unique<World>();
    opened->ProgramFolder = GameFolder(gameDir);
    const OperationReport isGame = IsGameFolder(opened->ProgramFolder, cli);
    report.Add(isGame);
    if (isGame.refused) return false;
    world = std::move(opened);
    return true;
}

bool GameCommand::AddOverrides(const std::optional<std::string>& preset, int mode,
                               const std::vector<std::string>& sets) {
    if (!AddPresetOverrides(*world, preset, dialogs)) return false;
    AddSettingOverrides(*world, mode, sets);
    return true;
}

bool GameCommand::Load(bool review) {
    if (LoadSettings(*world, dialogs, true).refused) return false;
    if (review) ReviewConfiguration(*world, dialogs);
    return true;
}

}  // namespace tq3
