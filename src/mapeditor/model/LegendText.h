#pragma once

#include "render/PixelBuffer.h"

namespace tq3 {

// The contrast of two colours as the accessibility guidelines measure it, from their relative
// luminance: 1 for the same colour up to 21 for black on white.
double ContrastRatio(Argb a, Argb b);

// The text colour for a legend cell filled with `cell`: black or white, whichever stands out
// more. Either one reaches at least 4.5 : 1 against any colour.
Argb TextColourOn(Argb cell);

}  // namespace tq3
