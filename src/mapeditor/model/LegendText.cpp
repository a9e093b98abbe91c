#include "mapeditor/model/LegendText.h"

#include <algorithm>
#include <cmath>

namespace tq3 {

namespace {
// One 8-bit channel made linear (the sRGB curve), and the weights of red, green and blue.
double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Argb colour) {
    return 0.2126 * Linear((colour >> 16) & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
           0.0722 * Linear(colour & 0xFF);
}

// The flare the measure adds to both luminances.
constexpr double Flare = 0.05;
}  // namespace

double ContrastRatio(Argb a, Argb b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + Flare) / (std::min(la, lb) + Flare);
}

Argb TextColourOn(Argb cell) {
    return ContrastRatio(cell, Black) >= ContrastRatio(cell, White) ? Black : White;
}

}  // namespace tq3
