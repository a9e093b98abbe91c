#include "mapeditor/model/ClearArea.h"

#include <algorithm>

namespace tq3 {

namespace {
bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

PixelRect Clipped(const PixelRect& r, const PixelRect& view) {
    const int left = std::max(r.left, view.left), top = std::max(r.top, view.top);
    const int right = std::min(r.left + r.width, view.left + view.width);
    const int bottom = std::min(r.top + r.height, view.top + view.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}
}  // namespace

PixelRect ClearAreaFor(PixelRect view, const std::vector<PixelRect>& covered, int width,
                       int height) {
    // Each side of a candidate lies on the view's own side or on an edge of a bar.
    std::vector<int> lefts{view.left}, rights{view.left + view.width}, tops{view.top},
        bottoms{view.top + view.height};
    std::vector<PixelRect> bars;
    for (const PixelRect& bar : covered) {
        const PixelRect r = Clipped(bar, view);
        if (r.width == 0 || r.height == 0) continue;
        bars.push_back(r);
        lefts.push_back(r.left + r.width);
        rights.push_back(r.left);
        tops.push_back(r.top + r.height);
        bottoms.push_back(r.top);
    }
    PixelRect best = view;
    double bestScale = -1;
    long bestArea = -1;
    for (int l : lefts)
        for (int r : rights)
            for (int t : tops)
                for (int b : bottoms) {
                    if (r <= l || b <= t) continue;
                    const PixelRect c{l, t, r - l, b - t};
                    if (std::any_of(bars.begin(), bars.end(),
                                    [&c](const PixelRect& bar) { return Overlap(c, bar); }))
                        continue;
                    const double scale = std::min(static_cast<double>(c.width) / width,
                                                  static_cast<double>(c.height) / height);
                    const long area = static_cast<long>(c.width) * c.height;
                    if (scale > bestScale || (scale == bestScale && area > bestArea)) {
                        best = c;
                        bestScale = scale;
                        bestArea = area;
                    }
                }
    return best;
}

}  // namespace tq3
