#pragma once

#include <QIcon>

namespace tq3 {

// The program's icon, drawn in code so that the window has it wherever it runs from: a
// blue tile with green hills, a sand shore, a sun and "TQ3" (as data/tq3gen.svg).
QIcon AppIcon();

}  // namespace tq3
