#include "ProvinceLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "ProvinceBlocks.h"

namespace {

constexpr double kWest = -170.0, kNorth = 82.0;
constexpr double kStep = 0.25;  // degrees per raster cell
constexpr int kColumns = 1440, kRows = 560;

// The world at a quarter degree: which shape holds each cell's centre, and how far each
// water cell lies from land.
class LandRaster {
  public:
    LandRaster() : shape_(kColumns * kRows, -1), distance_(kColumns * kRows, 0.0) {
        const auto& shapes = LandShapes();
        struct Box {
            double w, e, s, n;
        };
        std::vector<Box> boxes;
        for (const LandShape& sh : shapes) {
            Box b{1e9, -1e9, 1e9, -1e9};
            for (const GeoPoint& p : sh.outline) {
                b.w = std::min(b.w, p.lon), b.e = std::max(b.e, p.lon);
                b.s = std::min(b.s, p.lat), b.n = std::max(b.n, p.lat);
            }
            boxes.push_back(b);
        }
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                const GeoPoint p = Centre(c, r);
                for (std::size_t s = 0; s < shapes.size(); ++s) {
                    const Box& b = boxes[s];
                    if (p.lon < b.w || p.lon > b.e || p.lat < b.s || p.lat > b.n) continue;
                    if (ShapeContains(shapes[s], p)) {
                        shape_[Index(c, r)] = static_cast<int>(s);
                        break;
                    }
                }
            }
        ComputeDistances();
    }

    static GeoPoint Centre(int c, int r) {
        return {kWest + (c + 0.5) * kStep, kNorth - (r + 0.5) * kStep};
    }
    static int Index(int c, int r) { return r * kColumns + c; }
    int ShapeAt(int cell) const { return shape_[cell]; }
    double DistanceAt(int cell) const { return distance_[cell]; }
    double DistanceAt(GeoPoint p) const {
        const int c = std::clamp(static_cast<int>((p.lon - kWest) / kStep), 0, kColumns - 1);
        const int r = std::clamp(static_cast<int>((kNorth - p.lat) / kStep), 0, kRows - 1);
        return distance_[Index(c, r)];
    }

  private:
    // Two-pass chamfer distance from every water cell to the nearest land cell, in degrees.
    void ComputeDistances() {
        const double inf = 1e9, straight = kStep, diagonal = kStep * std::sqrt(2.0);
        for (int i = 0; i < kColumns * kRows; ++i) distance_[i] = shape_[i] >= 0 ? 0 : inf;
        auto relax = [&](int c, int r, int dc, int dr, double cost) {
            const int c2 = c + dc, r2 = r + dr;
            if (c2 < 0 || c2 >= kColumns || r2 < 0 || r2 >= kRows) return;
            double& d = distance_[Index(c, r)];
            d = std::min(d, distance_[Index(c2, r2)] + cost);
        };
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                relax(c, r, -1, 0, straight), relax(c, r, 0, -1, straight);
                relax(c, r, -1, -1, diagonal), relax(c, r, 1, -1, diagonal);
            }
        for (int r = kRows - 1; r >= 0; --r)
            for (int c = kColumns - 1; c >= 0; --c) {
                relax(c, r, 1, 0, straight), relax(c, r, 0, 1, straight);
                relax(c, r, 1, 1, diagonal), relax(c, r, -1, 1, diagonal);
            }
    }

    std::vector<int> shape_;
    std::vector<double> distance_;
};

double Distance(GeoPoint a, GeoPoint b) {
    return std::hypot(a.lon - b.lon, a.lat - b.lat);
}

struct Placed {
    GeoPoint at;
    int block;
    int shape;
};

// The shape that holds a point, or -1.
int ShapeAt(GeoPoint p) {
    const auto& shapes = LandShapes();
    for (std::size_t s = 0; s < shapes.size(); ++s)
        if (ShapeContains(shapes[s], p)) return static_cast<int>(s);
    return -1;
}

// A random point inside a raster cell, kept only when it still lies in the wanted shape.
GeoPoint JitterInCell(int cell, int wantedShape, DemoRandom& random) {
    const GeoPoint centre = LandRaster::Centre(cell % kColumns, cell / kColumns);
    const GeoPoint p{centre.lon + random.Range(-0.45, 0.45) * kStep,
                     centre.lat + random.Range(-0.45, 0.45) * kStep};
    return ShapeAt(p) == wantedShape ? p : centre;
}

// Best-candidate sampling: each new point is the candidate farthest from the points so far,
// its distance divided by the spacing wanted there.
template <class Draw, class Spacing>
void SpreadPoints(int count, int block, const std::vector<Placed>& others, std::vector<Placed>& out,
                  Draw&& draw, Spacing&& spacing, DemoRandom& random) {
    constexpr int kCandidates = 14;
    for (int i = 0; i < count; ++i) {
        Placed best{};
        double bestScore = -1;
        for (int k = 0; k < kCandidates; ++k) {
            const Placed cand = draw(random);
            double nearest = std::numeric_limits<double>::max();
            for (const Placed& q : others) nearest = std::min(nearest, Distance(q.at, cand.at));
            for (const Placed& q : out) nearest = std::min(nearest, Distance(q.at, cand.at));
            const double score = nearest / spacing(cand.at);
            if (score > bestScore) bestScore = score, best = cand;
        }
        best.block = block;
        out.push_back(best);
    }
}

// Area of a land point: its shape's own area, else the nearest seed of its block.
std::string AreaOf(const ProvinceBlock& block, const Placed& p) {
    if (p.shape >= 0 && !LandShapes()[p.shape].area.empty()) return LandShapes()[p.shape].area;
    const AreaSeed* best = &block.seeds.front();
    for (const AreaSeed& s : block.seeds)
        if (Distance(s.at, p.at) < Distance(best->at, p.at)) best = &s;
    return best->area;
}

int AreaOrder(const std::string& area) {
    const auto& areas = Areas();
    for (std::size_t i = 0; i < areas.size(); ++i)
        if (areas[i].name == area) return static_cast<int>(i);
    return static_cast<int>(areas.size());
}

int SeaOrder(const std::string& region) {
    const auto regions = SeaRegions();
    return static_cast<int>(std::find(regions.begin(), regions.end(), region) - regions.begin());
}

}  // namespace

void LayOutProvinces(DemoWorld& world, DemoRandom& random) {
    const LandRaster raster;
    const auto& blocks = ProvinceBlocks();
    const auto& shapes = LandShapes();

    // Cells of land by block, and open water (half a degree off the coast) by sea block.
    std::vector<std::vector<int>> cells(blocks.size());
    for (int i = 0; i < kColumns * kRows; ++i) {
        const GeoPoint c = LandRaster::Centre(i % kColumns, i / kColumns);
        const int s = raster.ShapeAt(i);
        if (s >= 0) {
            const int b = LandBlockOf(shapes[s].group, c);
            if (b >= 0) cells[b].push_back(i);
        } else if (raster.DistanceAt(i) >= 0.5) {
            cells[SeaBlockOf(c)].push_back(i);
        }
    }

    std::vector<Placed> land, sea;
    std::vector<std::vector<Placed>> byBlock(blocks.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        if (!blocks[b].land) continue;
        std::vector<Placed>& out = byBlock[b];
        // Every shape of the block gets a province, even an island smaller than a cell.
        for (std::size_t s = 0; s < shapes.size(); ++s) {
            std::vector<int> own;
            for (int cell : cells[b])
                if (raster.ShapeAt(cell) == static_cast<int>(s)) own.push_back(cell);
            GeoPoint at{};
            if (!own.empty()) {
                at = JitterInCell(own[random.Below(static_cast<int>(own.size()))],
                                  static_cast<int>(s), random);
            } else {
                for (const GeoPoint& p : shapes[s].outline) at.lon += p.lon, at.lat += p.lat;
                at.lon /= shapes[s].outline.size(), at.lat /= shapes[s].outline.size();
                if (!ShapeContains(shapes[s], at) ||
                    LandBlockOf(shapes[s].group, at) != static_cast<int>(b))
                    continue;
            }
            out.push_back({at, static_cast<int>(b), static_cast<int>(s)});
        }
        if (static_cast<int>(out.size()) > blocks[b].Count())
            throw std::runtime_error("block " + blocks[b].name + " has more shapes than provinces");
        const auto& pool = cells[b];
        SpreadPoints(
            blocks[b].Count() - static_cast<int>(out.size()), static_cast<int>(b), land, out,
            [&](DemoRandom& r) {
                const int cell = pool[r.Below(static_cast<int>(pool.size()))];
                const int s = raster.ShapeAt(cell);
                return Placed{JitterInCell(cell, s, r), static_cast<int>(b), s};
            },
            [](GeoPoint) { return 1.0; }, random);
        land.insert(land.end(), out.begin(), out.end());
    }
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        if (blocks[b].land) continue;
        const auto& pool = cells[b];
        SpreadPoints(
            blocks[b].Count(), static_cast<int>(b), sea, byBlock[b],
            [&](DemoRandom& r) {
                const int cell = pool[r.Below(static_cast<int>(pool.size()))];
                const GeoPoint centre = LandRaster::Centre(cell % kColumns, cell / kColumns);
                return Placed{{centre.lon + r.Range(-0.45, 0.45) * kStep,
                               centre.lat + r.Range(-0.45, 0.45) * kStep},
                              static_cast<int>(b),
                              -1};
            },
            // Sea zones lie close together along the coasts and far apart in open ocean.
            [&](GeoPoint p) { return 1.0 + raster.DistanceAt(p) / 2.5; }, random);
        sea.insert(sea.end(), byBlock[b].begin(), byBlock[b].end());
    }

    // Number each block by area (or sea region), then in rows of four degrees from north to
    // south, alternating direction, so that neighbouring numbers lie close together.
    world.provinces.assign(kProvinceCount + 1, DemoProvince{});
    DemoProvince& none = world.provinces[0];
    none.name = "Terra Nullius";
    none.terrain = 8;
    none.continent = none.area = none.region = "-";
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const ProvinceBlock& block = blocks[b];
        struct Keyed {
            Placed p;
            std::string group;
            int order, row;
            double along;
        };
        std::vector<Keyed> keyed;
        for (const Placed& p : byBlock[b]) {
            Keyed k{p, "", 0, 0, 0};
            if (block.land) {
                k.group = AreaOf(block, p);
                k.order = AreaOrder(k.group);
            } else {
                const AreaSeed* best = &block.seeds.front();
                for (const AreaSeed& s : block.seeds)
                    if (Distance(s.at, p.at) < Distance(best->at, p.at)) best = &s;
                k.group = best->area;
                k.order = SeaOrder(k.group);
            }
            k.row = static_cast<int>(std::floor((kNorth - p.at.lat) / 4.0));
            k.along = k.row % 2 == 0 ? p.at.lon : -p.at.lon;
            keyed.push_back(k);
        }
        std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
            if (a.order != b.order) return a.order < b.order;
            if (a.row != b.row) return a.row < b.row;
            return a.along < b.along;
        });
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            const int number = block.first + static_cast<int>(i);
            DemoProvince& pr = world.provinces[number];
            const Placed& p = keyed[i].p;
            pr.number = number;
            pr.at = p.at;
            pr.x = GameX(p.at.lon);
            pr.y = GameY(p.at.lat);
            pr.block = static_cast<int>(b);
            pr.shape = p.shape;
            pr.land = block.land;
            pr.distanceToLand = block.land ? 0.0 : raster.DistanceAt(p.at);
            if (block.land) {
                pr.continent = shapes[p.shape].continent;
                pr.area = keyed[i].group;
                const AreaInfo* info = FindArea(pr.area);
                pr.region = info ? info->region : "-";
            } else {
                pr.continent = "-";
                pr.area = "-";
                pr.region = keyed[i].group;
            }
        }
    }
}
