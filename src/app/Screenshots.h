#pragma once

#include <string>

#include "engine/World.h"

class QString;
class QWidget;

namespace tq3 {

// Pictures of the window on the game folder of `world`, for the documentation and for a look
// at the layout: each tab in each generator mode, the general settings dialog, the problems
// list and the closing question, as PNG files in `folder`. Questions are answered without
// asking (the start-up backup with Yes). Gives the exit status: 0, or 1 when a picture could
// not be written.
int WriteScreenshots(World& world, const std::string& folder);

// A picture of the screen `window` is on, with the window where it opened (its frame drawn
// as a dark border and bar), written as PNG to `file`: shows whether the window fits.
bool SaveScreenWithWindow(QWidget* window, const QString& file);

}  // namespace tq3
