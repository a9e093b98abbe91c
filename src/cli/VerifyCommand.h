#pragma once

#include "cli/Commands.h"

namespace tq3 {

// `verify [--game-dir DIR] [--json]`: checks the game files installed in a folder (after a
// run, a hand edit or another tool) and lists every finding as "file:line: text", or as JSON
// on standard output with --json. Exit status 1 when there is any finding.
Command AddVerifyCommand(CLI::App& app);

}  // namespace tq3
