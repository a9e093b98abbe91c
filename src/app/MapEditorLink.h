#pragma once

#include <string>

#include "app/FormGener.h"
#include "base/Dialogs.h"

namespace tq3 {

// The map editor's entry points for the program. The editor is a library above this window
// (it may use the window's parts, never the reverse): the program links it in, and it defines
// these.

// The hooks that open the editor for a run's preview and for "Select Majors"; every message of
// the editor goes through dialogs.
MapEditorHooks MapEditorHooksFor(Dialogs& dialogs);

// Pictures of the map editor on the loaded world into folder (see WriteScreenshots); 0, or 1
// when a picture could not be written.
int WriteMapEditorScreenshots(const World& world, const std::string& folder);

}  // namespace tq3
