#include "render/ZoomedMap.h"

#include <algorithm>
#include <cmath>

namespace tq3 {

namespace {
// The 100 % mark reaches 3 pixels each side of its centre edge; the Ivory dot 1.
constexpr double MarkHalf = MapMarkSize / 2.0;
constexpr double IvoryDotHalf = 1.0;
// A line runs through the middle of its end pixels.
constexpr double PixelMiddle = 0.5;
// Coverage is blended in 1/256 steps.
constexpr int CoverageSteps = 256;

struct Point {
    double x = 0, y = 0;
};

// A pixel's share of black: each colour channel keeps (256 - a) / 256 of itself.
void Darken(Argb& pixel, int a) {
    const uint32_t keep = static_cast<uint32_t>(CoverageSteps - a);
    const uint32_t rb = ((pixel & 0xFF00FFu) * keep >> 8) & 0xFF00FFu;
    const uint32_t g = ((pixel & 0x00FF00u) * keep >> 8) & 0x00FF00u;
    pixel = Opaque | rb | g;
}

// A black line from a to b (coordinates of `out`), `width` pixels wide, anti-aliased: each
// pixel takes the share of it that the line covers, measured from the pixel's middle to the
// nearest point of the segment. Lines thinner than a pixel are drawn one pixel wide and as
// much paler.
void DrawSmoothLine(PixelBuffer& out, Point a, Point b, double width) {
    const double opacity = std::min(width, 1.0);
    const double reach = std::max(width, 1.0) / 2 + PixelMiddle;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - reach)));
    const int x1 = std::min(out.width - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - reach)));
    const int y1 =
        std::min(out.height - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + reach)));
    if (x0 > x1 || y0 > y1) return;

    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double length = std::sqrt(lengthSquared);
    const double inverseLengthSquared = lengthSquared > 0 ? 1 / lengthSquared : 0;
    // Pixels within reach - 1 of the segment are wholly covered, those beyond reach not at all.
    const double reachSquared = reach * reach;
    const double solidSquared = reach > 1 ? (reach - 1) * (reach - 1) : -1;
    const int solid = static_cast<int>(opacity * CoverageSteps + PixelMiddle);
    // Along a row the line reaches `reach` across at most this far either side of its x.
    const double rowHalf = dy != 0 ? reach * length / std::abs(dy) + 1 : 0;
    const double top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    for (int y = y0; y <= y1; ++y) {
        const double cy = y + PixelMiddle;
        int from = x0, to = x1;
        if (dy != 0) {
            const double at = a.x + (std::clamp(cy, top, bottom) - a.y) * dx / dy;
            from = static_cast<int>(std::floor(std::max<double>(x0, at - rowHalf)));
            to = static_cast<int>(std::ceil(std::min<double>(x1, at + rowHalf)));
        }
        Argb* row = out.pixels.data() + static_cast<std::size_t>(y) * out.width;
        for (int x = from; x <= to; ++x) {
            const double cx = x + PixelMiddle;
            // The nearest point of the segment to the pixel's middle.
            const double t =
                std::clamp(((cx - a.x) * dx + (cy - a.y) * dy) * inverseLengthSquared, 0.0, 1.0);
            const double ex = cx - (a.x + t * dx), ey = cy - (a.y + t * dy);
            const double distanceSquared = ex * ex + ey * ey;
            if (distanceSquared >= reachSquared) continue;
            const int share = distanceSquared <= solidSquared
                                  ? solid
                                  : static_cast<int>((reach - std::sqrt(distanceSquared)) *
                                                         opacity * CoverageSteps +
                                                     PixelMiddle);
            if (share > 0) Darken(row[x], share);
        }
    }
}

// Maps map-picture coordinates onto `out` at the scale.
struct ZoomedFrame {
    double scale;
    double leastMark;  // the least side of a mark, in pixels
    PixelRect area;

    Point LineEnd(PixelPoint centre) const {
        return {(centre.x + PixelMiddle) * scale - area.left,
                (centre.y + PixelMiddle) * scale - area.top};
    }
    // The square of `half` map-picture pixels each side of the centre pixel's top-left corner,
    // at least `least` pixels: one size for every square of a drawing, its edges on whole pixels.
    PixelRect Square(PixelPoint centre, double half, double least) const {
        const int side = std::max(static_cast<int>(std::lround(2 * half * scale)),
                                  static_cast<int>(std::ceil(least)));
        const int left = static_cast<int>(std::floor(centre.x * scale - side / 2.0 + PixelMiddle));
        const int top = static_cast<int>(std::floor(centre.y * scale - side / 2.0 + PixelMiddle));
        return {left - area.left, top - area.top, side, side};
    }
};

bool Reaches(const PixelRect& r, const PixelBuffer& out) {
    return r.left < out.width && r.top < out.height && r.left + r.width > 0 && r.top + r.height > 0;
}

void DrawZoomedMark(const ZoomedFrame& frame, const TProvince& province, const ProvinceMark& mark,
                    PixelBuffer& out) {
    const PixelPoint c = MapCentre(province);
    const PixelRect square = frame.Square(c, MarkHalf, frame.leastMark);
    if (!Reaches(square, out)) return;
    out.FillRect(square, mark.colour);
    if (mark.style == MarkStyle::Plain) return;
    // Bordered: black to the edge, white inside a border as wide as the scale.
    const int border = std::max(1, static_cast<int>(std::lround(frame.scale)));
    const PixelRect inside{square.left + border, square.top + border, square.width - 2 * border,
                           square.height - 2 * border};
    out.FillRect(square, Black);
    out.FillRect(inside, White);
    if (mark.style != MarkStyle::IvoryDot) return;
    // The dot only where white is left around it.
    const PixelRect dot = frame.Square(c, IvoryDotHalf, 0);
    if (dot.width > 0 && dot.width < inside.width) out.FillRect(dot, Black);
}
}  // namespace

void DrawZoomedMap(const World& world, MapLayer layer, double scale, double screenRatio,
                   const PixelRect& area, PixelBuffer& out) {
    // A white picture of the area, reusing out's memory.
    out.width = std::max(area.width, 0);
    out.height = std::max(area.height, 0);
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, White);
    if (out.pixels.empty() || !(scale > 0)) return;
    const double ratio = screenRatio > 0 ? screenRatio : 1.0;
    const ZoomedFrame frame{scale, ratio * MinZoomedMarkSize, area};
    const int last = world.ProvinceCount();

    // The neighbour lines, each pair once from the lower number, as the 100 % picture has them.
    const double lineWidth = std::max(scale, ratio * MinZoomedLineWidth);
    for (int i = 1; i <= last; ++i) {
        if (!world.Provinces[i].IsLand()) continue;
        const NeighbourRow& row = world.Neighbours[i];
        for (int slot = 1; slot <= NeighbourSlots; ++slot) {
            const int j = row[slot];
            if (j == 0) break;
            if (j < i || j > last) continue;
            DrawSmoothLine(out, frame.LineEnd(MapCentre(world.Provinces[i])),
                           frame.LineEnd(MapCentre(world.Provinces[j])), lineWidth);
        }
    }

    // The layer's marks over the lines.
    for (int p = 1; p <= last; ++p)
        if (world.Provinces[p].IsLand())
            DrawZoomedMark(frame, world.Provinces[p], MarkOf(world, layer, p), out);
}

}  // namespace tq3
