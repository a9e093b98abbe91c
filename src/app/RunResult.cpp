#include "app/RunResult.h"

namespace tq3 {

RunResult ReadRun(RunEnd end) {
    RunResult result;
    result.quit = end == RunEnd::Quit;
    result.refused = end == RunEnd::Refused;
    result.aborted = end == RunEnd::Aborted;
    return result;
}

}  // namespace tq3
