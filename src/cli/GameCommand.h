#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/OperationReport.h"
#include "cli/CliDialogs.h"
#include "engine/World.h"

namespace tq3 {

// The opening every command on a game folder shares: its dialogs on standard error, the report
// of everything it shows, and the world of the game folder once that is opened. Each step
// gives false when the command cannot go on; the user has been told why.
class GameCommand {
  public:
    GameCommand();
    GameCommand(const GameCommand&) = delete;
    GameCommand& operator=(const GameCommand&) = delete;

    // The world of --game-dir, when it is a game folder. A command that writes pictures
    // (`pictures`) is refused first by a build that cannot write them.
    bool Open(const std::string& gameDir, bool pictures = false);
    // The overrides of --preset, then of --mode and every --set, for the load to read.
    bool AddOverrides(const std::optional<std::string>& preset, int mode,
                      const std::vector<std::string>& sets);
    // The full load of the configuration. With `review`, what `check` would find beyond the
    // load is said too, so that a run never passes over it.
    bool Load(bool review);

    CliDialogs cli;            // shows only: for operations that report on their own
    OperationReport report;    // everything the command showed
    ReportingDialogs dialogs;  // shows and records into `report`
    std::unique_ptr<World> world;
};

}  // namespace tq3
