// A map editor file that reaches across into the main window's layer.
#include "app/FormGener.h"
