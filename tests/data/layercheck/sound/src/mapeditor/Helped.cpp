// A map editor file that uses the shared window helpers and Qt.
#include <QWidget>
#include "widgets/Cp1252.h"
