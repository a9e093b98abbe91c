#pragma once

#include "DemoRandom.h"
#include "DemoWorld.h"
#include "NameMaker.h"

// Founds the nations of the demo world: capitals spread over the settled and native lands of
// every block, with invented tags and names, colours, technology group, religion and culture
// of their capital, sizes, treasuries, armies, fleets, technology, policies, AI files and
// specifics (Port on coasts, CoT for traders, StartSiberia, StartAmerica, Unknown for the
// natives of America and Oceania, a few FixedStartLoc). The largest nations come first; the
// six largest of Europe are the specified majors.
void FoundNations(DemoWorld& world, DemoRandom& random, NameMaker& names);
