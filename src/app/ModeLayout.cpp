#include "app/ModeLayout.h"

namespace tq3 {

const ModeLayout kModeCommandLayouts[kGeneratorModes] = {
    // countries  map   nations religion  CoT   goods  prices  sets   general
    {true, true, true, true, true, true, true, true, true},
    {false, true, false, false, false, true, false, true, false},
    {true, false, true, true, true, false, false, true, true},
};

const ModeLayout kLoadedModeLayouts[kGeneratorModes] = {
    {true, true, true, true, true, true, true, false, false},
    {false, true, false, false, false, true, false, false, false},
    {true, false, true, false, true, false, false, false, false},
};

}  // namespace tq3
