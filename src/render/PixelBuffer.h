#pragma once

#include <cstdint>
#include <vector>

namespace tq3 {

// A colour as the pictures hold it: 0xAARRGGBB, always opaque.
using Argb = uint32_t;

constexpr Argb Opaque = 0xFF000000u;
constexpr Argb RgbColour(uint32_t rgb) {
    return Opaque | (rgb & 0xFFFFFFu);
}
constexpr Argb RgbColour(int red, int green, int blue) {
    return Opaque | (static_cast<uint32_t>(red & 0xFF) << 16) |
           (static_cast<uint32_t>(green & 0xFF) << 8) | static_cast<uint32_t>(blue & 0xFF);
}

constexpr Argb White = RgbColour(0xFFFFFF);
constexpr Argb Black = RgbColour(0x000000);
constexpr Argb Silver = RgbColour(0xC0C0C0);

// Columns left..left+width-1 and rows top..top+height-1.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// An off-screen picture: width x height pixels, row by row without padding, one 32-bit ARGB
// value per pixel (the layout a window toolkit can show without copying). Every write is
// clipped to the picture: marks and lines near the edge draw only their visible part.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;

    PixelBuffer() = default;
    PixelBuffer(int w, int h, Argb fill = White);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // The pixel at (x, y); the caller keeps (x, y) inside the picture.
    Argb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Bytes from one row to the next.
    int Stride() const { return width * static_cast<int>(sizeof(Argb)); }

    void Fill(Argb colour);
    void SetPixel(int x, int y, Argb colour) {
        if (Contains(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = colour;
    }
    void FillRect(const PixelRect& rect, Argb colour);
    // The one-pixel outline of rect (its last column and row included).
    void OutlineRect(const PixelRect& rect, Argb colour);
    // A straight line from (x0, y0) to (x1, y1), both end pixels included.
    void DrawLine(int x0, int y0, int x1, int y1, Argb colour);
};

}  // namespace tq3
