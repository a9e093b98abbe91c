#pragma once

#include "session/GenerateWorld.h"

namespace tq3 {

// What the window does after a run. The one place that reads the run's result, so a richer
// run report changes only this adapter.
struct RunResult {
    bool quit = false;     // the user answered the closing question with OK
    bool refused = false;  // nothing was generated or written
    bool aborted = false;  // the map editor's Abort ended the run
};

RunResult ReadRun(RunEnd end);

}  // namespace tq3
