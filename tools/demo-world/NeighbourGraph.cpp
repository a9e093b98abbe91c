#include "NeighbourGraph.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

struct Triangle {
    int a, b, c;
    double cx, cy, r2;
};

Triangle MakeTriangle(const std::vector<PlanePoint>& p, int a, int b, int c) {
    const double ax = p[a].x, ay = p[a].y, bx = p[b].x, by = p[b].y, cx = p[c].x, cy = p[c].y;
    const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const double ux = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
    const double uy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
    return {a, b, c, ux, uy, (ax - ux) * (ax - ux) + (ay - uy) * (ay - uy)};
}

double Distance(GeoPoint a, GeoPoint b) {
    return std::hypot(a.lon - b.lon, a.lat - b.lat);
}

bool IsLandAt(GeoPoint p) {
    for (const LandShape& s : LandShapes())
        if (ShapeContains(s, p)) return true;
    return false;
}

// Whether each of 15 evenly spaced inner points of a border lies on land.
std::vector<bool> LandAlong(GeoPoint a, GeoPoint b) {
    std::vector<bool> out;
    for (int i = 1; i <= 15; ++i) {
        const double t = i / 16.0;
        out.push_back(IsLandAt({a.lon + (b.lon - a.lon) * t, a.lat + (b.lat - a.lat) * t}));
    }
    return out;
}

}  // namespace

std::vector<std::pair<int, int>> DelaunayEdges(const std::vector<PlanePoint>& input) {
    // Bowyer-Watson with a super triangle far outside the points.
    std::vector<PlanePoint> p = input;
    const int n = static_cast<int>(p.size());
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (const PlanePoint& q : p) {
        minX = std::min(minX, q.x), maxX = std::max(maxX, q.x);
        minY = std::min(minY, q.y), maxY = std::max(maxY, q.y);
    }
    const double span = std::max(maxX - minX, maxY - minY) + 1.0;
    const double midX = (minX + maxX) / 2, midY = (minY + maxY) / 2;
    p.push_back({midX - 20 * span, midY - span});
    p.push_back({midX, midY + 20 * span});
    p.push_back({midX + 20 * span, midY - span});
    std::vector<Triangle> tris{MakeTriangle(p, n, n + 1, n + 2)};

    for (int i = 0; i < n; ++i) {
        std::vector<std::pair<int, int>> edges;
        std::vector<Triangle> kept;
        kept.reserve(tris.size() + 2);
        for (const Triangle& t : tris) {
            const double dx = p[i].x - t.cx, dy = p[i].y - t.cy;
            if (dx * dx + dy * dy < t.r2) {
                for (auto [u, v] : {std::pair{t.a, t.b}, std::pair{t.b, t.c}, std::pair{t.c, t.a}})
                    edges.push_back({std::min(u, v), std::max(u, v)});
            } else {
                kept.push_back(t);
            }
        }
        // The hole's boundary is made of the edges that only one removed triangle had.
        std::sort(edges.begin(), edges.end());
        for (std::size_t k = 0; k < edges.size(); ++k) {
            if ((k + 1 < edges.size() && edges[k + 1] == edges[k]) ||
                (k > 0 && edges[k - 1] == edges[k]))
                continue;
            kept.push_back(MakeTriangle(p, edges[k].first, edges[k].second, i));
        }
        tris.swap(kept);
    }
    std::set<std::pair<int, int>> out;
    for (const Triangle& t : tris)
        for (auto [u, v] : {std::pair{t.a, t.b}, std::pair{t.b, t.c}, std::pair{t.c, t.a}})
            if (u < n && v < n) out.insert({std::min(u, v), std::max(u, v)});
    return {out.begin(), out.end()};
}

void LinkProvinces(DemoWorld& world) {
    auto& pr = world.provinces;
    const int count = kProvinceCount;
    std::vector<PlanePoint> points;
    for (int p = 1; p <= count; ++p) points.push_back({pr[p].at.lon, pr[p].at.lat});
    const auto edges = DelaunayEdges(points);

    // Local spacing: the mean distance to the three nearest provinces.
    std::vector<double> spacing(count + 1, 1.0);
    for (int p = 1; p <= count; ++p) {
        double best[3] = {1e9, 1e9, 1e9};
        for (int q = 1; q <= count; ++q) {
            if (q == p) continue;
            double d = Distance(pr[p].at, pr[q].at);
            for (double& b : best)
                if (d < b) std::swap(d, b);
        }
        spacing[p] = (best[0] + best[1] + best[2]) / 3;
    }

    struct Link {
        int a, b;
        double length;
        bool placement;
    };
    std::vector<Link> links;
    for (auto [i, j] : edges) {
        const int a = i + 1, b = j + 1;
        const DemoProvince &pa = pr[a], &pb = pr[b];
        const double length = Distance(pa.at, pb.at);
        if (length > 3.0 * std::max(spacing[a], spacing[b])) continue;
        const std::vector<bool> along = LandAlong(pa.at, pb.at);
        const int landSamples = static_cast<int>(std::count(along.begin(), along.end(), true));
        bool placement = true;
        if (pa.land && pb.land) {
            // A border over water is a strait: kept when the water is narrow; the placement
            // table leaves out the straits between two continents.
            const double water = length * (15 - landSamples) / 15.0;
            if (water > 2.5) continue;
            if (water > 0 && pa.continent != pb.continent) placement = false;
        } else if (!pa.land && !pb.land) {
            if (landSamples > 0) continue;
        } else {
            // From land to sea the border leaves the coast once and does not cross land again.
            std::vector<bool> seq{true};
            const bool reversed = !pa.land;
            for (std::size_t k = 0; k < along.size(); ++k)
                seq.push_back(along[reversed ? along.size() - 1 - k : k]);
            seq.push_back(false);
            int changes = 0;
            for (std::size_t k = 1; k < seq.size(); ++k) changes += seq[k] != seq[k - 1];
            if (changes != 1) continue;
        }
        links.push_back({a, b, length, placement});
    }

    // A province the triangulation left without a land border joins the nearest province of
    // its own island when the way there stays on land.
    std::vector<bool> hasLand(count + 1, false);
    for (const Link& l : links)
        if (pr[l.a].land && pr[l.b].land) hasLand[l.a] = hasLand[l.b] = true;
    for (int p = 1; p <= count; ++p) {
        if (!pr[p].land || hasLand[p]) continue;
        int best = 0;
        for (int q = 1; q <= count; ++q)
            if (q != p && pr[q].land && pr[q].shape == pr[p].shape &&
                (best == 0 || Distance(pr[p].at, pr[q].at) < Distance(pr[p].at, pr[best].at)))
                best = q;
        if (best == 0) continue;
        const std::vector<bool> along = LandAlong(pr[p].at, pr[best].at);
        if (std::find(along.begin(), along.end(), false) != along.end()) continue;
        links.push_back(
            {std::min(p, best), std::max(p, best), Distance(pr[p].at, pr[best].at), true});
        hasLand[p] = hasLand[best] = true;
    }

    // At most 8 land neighbours: drop the longest land borders of crowded provinces.
    std::sort(links.begin(), links.end(), [](const Link& x, const Link& y) {
        if (x.length != y.length) return x.length > y.length;
        return std::pair{x.a, x.b} < std::pair{y.a, y.b};
    });
    std::vector<int> landDegree(count + 1, 0);
    for (const Link& l : links)
        if (pr[l.a].land && pr[l.b].land) ++landDegree[l.a], ++landDegree[l.b];
    std::vector<Link> thinned;
    for (const Link& l : links) {
        if (pr[l.a].land && pr[l.b].land && (landDegree[l.a] > 8 || landDegree[l.b] > 8)) {
            --landDegree[l.a], --landDegree[l.b];
            continue;
        }
        thinned.push_back(l);
    }

    struct Entry {
        int other;
        double length;
        bool placement;
    };
    std::vector<std::vector<Entry>> lists(count + 1);
    for (const Link& l : thinned) {
        lists[l.a].push_back({l.b, l.length, l.placement});
        lists[l.b].push_back({l.a, l.length, l.placement});
    }
    world.adjacency.lists.assign(count + 1, {});
    world.adjacency.inPlacement.assign(count + 1, {});
    for (int p = 1; p <= count; ++p) {
        auto& list = lists[p];
        // Land neighbours first, nearest first; then the sea zones.
        std::sort(list.begin(), list.end(), [&](const Entry& x, const Entry& y) {
            if (pr[x.other].land != pr[y.other].land) return pr[x.other].land;
            if (x.length != y.length) return x.length < y.length;
            return x.other < y.other;
        });
        for (const Entry& e : list) {
            world.adjacency.lists[p].push_back(e.other);
            world.adjacency.inPlacement[p].push_back(e.placement);
        }
        if (pr[p].land) {
            for (const Entry& e : list)
                if (!pr[e.other].land) {
                    pr[p].coastal = true;
                    pr[p].seaZone = e.other;
                    break;
                }
        }
    }
}
