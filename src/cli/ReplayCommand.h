#pragma once

#include "cli/Commands.h"

namespace tq3 {

// `replay RECIPE [--game-dir DIR] [--out DIR] [--force]`: makes a recorded run again. The
// recipe is read strictly and every input file checked against its recorded hash; when all
// match (or with --force) the run goes as recorded. Exit status 1 without writing anything
// when the recipe cannot be used or a file differs.
Command AddReplayCommand(CLI::App& app);

}  // namespace tq3
