// The fixed tables: the input is Config/TQ3GenerFixedProvince.csv and
// Config/TQ3GenerFixedCountry.csv, separated by FileSeparator, appended to the province and
// country tables of the tiny test game's world as a run formats them.

#include "FuzzGame.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "engine/ScenarioDraws.h"
#include "output/CountryTable.h"
#include "output/ProvinceTable.h"

using namespace tq3;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::LoadedWorld(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto files = fuzz::SplitFiles(fuzz::AsText(data, size));
    std::string province(files[0]), country(files.size() > 1 ? files[1] : "");
    NormalizeLineFeeds(province);
    NormalizeLineFeeds(country);
    auto world = fuzz::LoadedWorld(12);
    Random random(1);
    ProvinceTableText(*world, province);
    DrawPolicies(*world, random);
    CountryTableText(*world, country);
    return 0;
}
