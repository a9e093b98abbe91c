#include "render/PixelBuffer.h"

#include <algorithm>
#include <cstdlib>

namespace tq3 {

PixelBuffer::PixelBuffer(int w, int h, Argb fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * height, fill) {}

void PixelBuffer::Fill(Argb colour) {
    std::fill(pixels.begin(), pixels.end(), colour);
}

void PixelBuffer::FillRect(const PixelRect& rect, Argb colour) {
    const int x0 = std::max(rect.left, 0), x1 = std::min(rect.left + rect.width, width);
    const int y0 = std::max(rect.top, 0), y1 = std::min(rect.top + rect.height, height);
    for (int y = y0; y < y1; ++y) {
        Argb* row = pixels.data() + static_cast<std::size_t>(y) * width;
        std::fill(row + x0, row + std::max(x0, x1), colour);
    }
}

void PixelBuffer::OutlineRect(const PixelRect& rect, Argb colour) {
    if (rect.width <= 0 || rect.height <= 0) return;
    const int right = rect.left + rect.width - 1, bottom = rect.top + rect.height - 1;
    FillRect({rect.left, rect.top, rect.width, 1}, colour);
    FillRect({rect.left, bottom, rect.width, 1}, colour);
    FillRect({rect.left, rect.top, 1, rect.height}, colour);
    FillRect({right, rect.top, 1, rect.height}, colour);
}

void PixelBuffer::DrawLine(int x0, int y0, int x1, int y1, Argb colour) {
    // Bresenham's walk: one pixel per step along the longer axis, the error term deciding the
    // steps along the shorter one. Pixels outside the picture are skipped, not the line.
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    // A line with both ends inside stays inside: its pixels need no check.
    const bool inside = Contains(x0, y0) && Contains(x1, y1);
    int err = dx + dy;
    for (;;) {
        if (inside)
            pixels[static_cast<std::size_t>(y0) * width + x0] = colour;
        else
            SetPixel(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

}  // namespace tq3
