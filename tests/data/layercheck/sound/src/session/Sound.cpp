// A session file that includes only what lies below it.
#include "engine/World.h"
#include "base/Dialogs.h"
