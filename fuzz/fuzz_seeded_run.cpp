// A whole seeded run on a fuzzed game folder: the input is the configuration files in the
// order below, separated by FileSeparator; files the input does not reach are the tiny test
// game's. The folder is checked as `tq3gen check` does, loaded, and generated with a fixed
// seed; the closing question is answered "quit".

#include <array>

#include "FuzzGame.h"
#include "base/Random.h"
#include "config/SettingsFile.h"
#include "session/ConfigCheck.h"
#include "session/GenerateWorld.h"

using namespace tq3;

namespace {
constexpr std::array<const char*, 8> kConfigFiles = {"TQ3Gener.csv",
                                                     "TQ3GenerProvince.csv",
                                                     "TQ3GenerCountry.csv",
                                                     "TQ3GenerAdjIndex.tbl",
                                                     "TQ3GenerAdjDataOrig.tbl",
                                                     "TQ3GenerAdjData.tbl",
                                                     "TQ3GenerFixedProvince.csv",
                                                     "TQ3GenerFixedCountry.csv"};
constexpr uint64_t kSeed = 20261207;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::GameFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto files = fuzz::SplitFiles(fuzz::AsText(data, size));
    for (std::size_t i = 0; i < kConfigFiles.size(); ++i) {
        if (i < files.size())
            fuzz::WriteConfig(kConfigFiles[i], files[i]);
        else
            fuzz::RestoreConfig(kConfigFiles[i]);
    }
    fuzz::FixedDialogs dialogs;
    {
        auto world = std::make_unique<World>();
        world->ProgramFolder = fuzz::GameFolder();
        CheckConfiguration(*world, dialogs);
    }
    auto world = std::make_unique<World>();
    world->ProgramFolder = fuzz::GameFolder();
    if (LoadSettings(*world, dialogs, true).refused) return 0;
    Random random(kSeed);
    GenerateWorld(*world, random, dialogs);
    return 0;
}
