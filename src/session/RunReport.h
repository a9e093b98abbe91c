#pragma once

#include "base/OperationReport.h"
#include "session/Rerolls.h"

namespace tq3 {

// How a generation run ended.
enum class RunEnd {
    Finished,  // the run went to its commit: report.failed says whether its files were written
    Quit,      // the closing question was answered "quit"
    Stay,      // the user stays: the configuration was loaded again
    Aborted,   // the map editor's Abort ended the run at the preview point: nothing was written
    Refused,   // refused before anything was written
};

// What a run did: how it ended, the files it wrote or failed to write, and every message.
struct RunReport : OperationReport {
    RunEnd end = RunEnd::Refused;
    // The rerolls of the world written, those drawn in the map editor included.
    Rerolls rerolls;
    // The map editor changed the world beyond its rerolls (it was painted): no seed and
    // rerolls make it again.
    bool repainted = false;
};

}  // namespace tq3
