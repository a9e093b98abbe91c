#pragma once

#include "engine/GeneratorMode.h"

namespace tq3 {

class TFormGener;

constexpr int kGeneratorModes = GeneratorModeCount;

// What a generator mode shows of the window. The menu commands and the layout after a load
// differ in two points, and both stand: the scenario-only command shows "Religion, Culture",
// which the layout after a load hides; only the commands show or hide "General settings".
struct ModeLayout {
    bool countriesActive;  // otherwise "Provinces" is the active tab
    bool mapTab, nationsTabs, religionTab;
    bool cotGroup, goodsGroup, pricesAndTaxes;
    bool setsGeneralSettings;  // the command shows or hides the "General settings" menu
    bool generalSettings;
};

// The layouts of the three mode commands of the menu.
extern const ModeLayout kModeCommandLayouts[kGeneratorModes];
// The layouts that ShowSettings applies after a load.
extern const ModeLayout kLoadedModeLayouts[kGeneratorModes];

}  // namespace tq3
