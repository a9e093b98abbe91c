// The fixed tables: the input is Config/TQ3GenerFixedProvince.csv and
// Config/TQ3GenerFixedCountry.csv, separated by FileSeparator, written into the province
// and country tables of the tiny test game's world as a run writes them.

#include "FuzzGame.h"
#include "base/Random.h"
#include "session/GameFileWrites.h"

using namespace tq3;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::LoadedWorld(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto files = fuzz::SplitFiles(fuzz::AsText(data, size));
    fuzz::WriteConfig("TQ3GenerFixedProvince.csv", files[0]);
    fuzz::WriteConfig("TQ3GenerFixedCountry.csv", files.size() > 1 ? files[1] : "");
    auto world = fuzz::LoadedWorld(12);
    fuzz::FixedDialogs dialogs;
    Random random(1);
    WriteProvinceTable(*world, dialogs);
    WriteCountryTable(*world, random, dialogs);
    return 0;
}
