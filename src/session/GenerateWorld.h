#pragma once

#include <functional>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"

namespace tq3 {

enum class RunEnd { Quit, Stay, Aborted, Refused };

struct RunHooks {
    // The map editor in preview mode; gives false when the user aborts the run. Without it,
    // the run goes on as if the editor were closed with OK.
    std::function<bool(World&)> mapEditor;
};

// One whole generation run on the loaded world, as the "Run!" button starts it.
RunEnd GenerateWorld(World& world, RandomSource& random, Dialogs& dialogs,
                     const RunHooks& hooks = {});

}  // namespace tq3
