#pragma once

#include <QIcon>
#include <QString>

namespace tq3 {

// The program's icon, drawn in code so that the window has it wherever it runs from: a
// blue tile with green hills, a sand shore, a sun and "TQ3" (as data/tq3gen.svg).
QIcon AppIcon();

// Writes the icon at each size it is drawn at as FOLDER/NxN/apps/tq3gen.png, the layout of an
// icon theme; false when a file cannot be written.
bool WriteAppIconFiles(const QString& folder);

}  // namespace tq3
