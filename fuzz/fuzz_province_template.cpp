// The province template: Config/TQ3GenerProvince.csv as the input, read for all 1621
// provinces, then again with each restriction as the run reads it for protected regions,
// and formatted by the province table writer.

#include "FuzzGame.h"
#include "config/ProvinceTemplate.h"
#include "output/ProvinceTable.h"

using namespace tq3;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::LoadedWorld(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::WriteConfig("TQ3GenerProvince.csv", fuzz::AsText(data, size));
    auto world = fuzz::LoadedWorld(MaxProvinceNumber);
    fuzz::FixedDialogs dialogs;
    LoadProvinceTemplate(*world, dialogs, false, false);
    LoadProvinceTemplate(*world, dialogs, true, false);
    LoadProvinceTemplate(*world, dialogs, false, true);
    LoadProvinceTemplate(*world, dialogs, true, true);
    ProvinceTableText(*world, "");
    return 0;
}
