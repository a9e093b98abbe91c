#pragma once

#include <vector>

#include "render/PixelBuffer.h"

namespace tq3 {

// The part of `view` in which a picture of width x height shows largest without reaching
// under any of the `covered` rectangles (bars floating over the view): of the rectangles whose
// sides lie on the view's edges or the bars' edges, the one that gives the picture the largest
// scale, the larger one on a tie. The whole view when nothing covers it.
PixelRect ClearAreaFor(PixelRect view, const std::vector<PixelRect>& covered, int width,
                       int height);

}  // namespace tq3
