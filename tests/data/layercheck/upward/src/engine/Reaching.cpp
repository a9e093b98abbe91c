// An engine file that reaches up into the session layer.
#include "session/GenerateWorld.h"
