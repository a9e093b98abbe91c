// The nations file: Config/TQ3GenerCountry.csv as the input, loaded over the tiny test
// game's template world, then formatted by the country table writer.

#include "FuzzGame.h"
#include "config/NationsFile.h"
#include "output/CountryTable.h"

using namespace tq3;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::LoadedWorld(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::WriteConfig("TQ3GenerCountry.csv", fuzz::AsText(data, size));
    // The tiny game's 12 provinces, so that start provinces beyond them are met too.
    auto world = fuzz::LoadedWorld(12);
    fuzz::FixedDialogs dialogs;
    LoadNations(*world, dialogs);
    CountryTableText(*world, "");
    return 0;
}
