#pragma once

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/RunRedraw.h"

class QWidget;

namespace tq3 {

// The map editor in preview mode, at the preview point of a run: the user may repaint
// provinces with the run's random source and, through `redraw` (may be none), draw steps of the
// run again. True only when the user chose OK: Abort and closing the window (title bar,
// Alt+F4) end the run with nothing written.
bool ShowScenarioPreview(World& world, RandomSource& random, RunRedraw* redraw, Dialogs& dialogs,
                         QWidget* owner);

// "Select Majors": true when the user closed the window with OK; SpecifiedMajors then holds
// the new list, capitals are moved and their start locations fixed.
bool SelectMajorsOnMap(World& world, Dialogs& dialogs, QWidget* owner);

}  // namespace tq3
