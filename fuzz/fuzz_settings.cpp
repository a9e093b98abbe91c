// The settings file: Config/TQ3Gener.csv as the input, loaded in full over the tiny test game,
// then the checks that decide whether a run may start.

#include "FuzzGame.h"
#include "config/SettingsFile.h"
#include "engine/RunChecks.h"

using namespace tq3;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::LoadedWorld(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::WriteConfig("TQ3Gener.csv", fuzz::AsText(data, size));
    auto world = std::make_unique<World>();
    world->ProgramFolder = fuzz::GameFolder();
    fuzz::FixedDialogs dialogs;
    if (!LoadSettings(*world, dialogs, true).refused) CheckRunSettings(*world, dialogs);
    return 0;
}
