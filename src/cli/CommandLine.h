#pragma once

#include "cli/Commands.h"

namespace tq3 {

// The whole of tq3gen: parses the command line and runs the subcommand it names (no
// subcommand: the window), giving the exit status. An error nothing below expected ends it
// with its text and status 1. `seams` is empty in tq3gen itself; test programs built from the
// same code fill it (CommandSeams).
int ProgramMain(int argc, char** argv, const CommandSeams& seams);

}  // namespace tq3
