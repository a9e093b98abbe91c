// Parts of the demo-world tool: the triangulation behind the neighbour tables, the land
// shapes and the invented names.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "DemoRandom.h"
#include "LandShapes.h"
#include "NameMaker.h"
#include "NeighbourGraph.h"

namespace {

double Cross(PlanePoint o, PlanePoint a, PlanePoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Whether two segments cross at a point inside both.
bool Cross(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint d) {
    const double d1 = Cross(a, b, c), d2 = Cross(a, b, d), d3 = Cross(c, d, a), d4 = Cross(c, d, b);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

std::vector<PlanePoint> Scatter(int n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> x(0, 360), y(0, 140);
    std::vector<PlanePoint> points;
    for (int i = 0; i < n; ++i) points.push_back({x(gen), y(gen)});
    return points;
}

TEST(DelaunayEdgesTest, SquareWithCentreLinksTheCentreToEveryCorner) {
    const auto edges = DelaunayEdges({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5.1}});
    EXPECT_EQ(edges.size(), 8u);
    for (int corner = 0; corner < 4; ++corner)
        EXPECT_EQ(std::count(edges.begin(), edges.end(), std::pair{corner, 4}), 1) << corner;
}

TEST(DelaunayEdgesTest, RandomPointsGiveAPlanarTriangulation) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const auto points = Scatter(300, seed);
        const auto edges = DelaunayEdges(points);
        const int n = static_cast<int>(points.size());
        // A triangulation of n points has between 2n - 3 and 3n - 6 edges.
        EXPECT_GE(static_cast<int>(edges.size()), 2 * n - 3);
        EXPECT_LE(static_cast<int>(edges.size()), 3 * n - 6);
        for (std::size_t i = 0; i < edges.size(); ++i)
            for (std::size_t j = i + 1; j < edges.size(); ++j) {
                const auto [a, b] = edges[i];
                const auto [c, d] = edges[j];
                if (a == c || a == d || b == c || b == d) continue;
                ASSERT_FALSE(Cross(points[a], points[b], points[c], points[d]))
                    << a << "-" << b << " crosses " << c << "-" << d;
            }
        // Every point is linked to its nearest neighbour, as in every Delaunay triangulation.
        const std::set<std::pair<int, int>> linked(edges.begin(), edges.end());
        for (int p = 0; p < n; ++p) {
            int nearest = -1;
            for (int q = 0; q < n; ++q)
                if (q != p && (nearest < 0 ||
                               std::hypot(points[q].x - points[p].x, points[q].y - points[p].y) <
                                   std::hypot(points[nearest].x - points[p].x,
                                              points[nearest].y - points[p].y)))
                    nearest = q;
            EXPECT_TRUE(linked.count({std::min(p, nearest), std::max(p, nearest)})) << p;
        }
    }
}

TEST(LandShapesTest, ContinentsHoldTheirHeartlandsAndNotTheOceans) {
    auto landAt = [](double lon, double lat) {
        for (const LandShape& s : LandShapes())
            if (ShapeContains(s, {lon, lat})) return s.continent;
        return std::string("sea");
    };
    struct Case {
        double lon, lat;
        const char* continent;
    };
    for (const Case& c : {Case{10, 50, "Europe"}, Case{40, 55, "Europe"}, Case{100, 60, "Asia"},
                          Case{78, 22, "Asia"}, Case{20, 5, "Africa"}, Case{-100, 40, "America"},
                          Case{-60, -10, "America"}, Case{135, -25, "Oceania"},
                          Case{-40, 30, "sea"}, Case{-150, 0, "sea"}, Case{80, -20, "sea"},
                          Case{18, 35, "sea"}, Case{34, 43.5, "sea"}, Case{51, 42, "sea"}})
        EXPECT_EQ(landAt(c.lon, c.lat), c.continent) << c.lon << "," << c.lat;
    // The game map spans 18,800 by 7,200 units.
    EXPECT_EQ(GameX(-170), 0);
    EXPECT_EQ(GameX(190), 18800);
    EXPECT_EQ(GameY(82), 0);
    EXPECT_EQ(GameY(-58), 7200);
}

TEST(NameMakerTest, NamesAreUniqueAndSafeForTheFiles) {
    DemoRandom random(5);
    NameMaker names(random);
    std::set<std::string> seen;
    int latin1 = 0;
    for (int i = 0; i < 3000; ++i) {
        const NameStyle style = static_cast<NameStyle>(i % 8);
        const std::string name = i % 5 == 0 ? names.Culture(style) : names.Name(style);
        ASSERT_TRUE(seen.insert(name).second) << name;
        ASSERT_FALSE(name.empty());
        for (char c : name) {
            ASSERT_NE(c, ';');
            ASSERT_NE(c, ',');
            ASSERT_GE(static_cast<unsigned char>(c), 32);
        }
        latin1 += name.find_first_of("\xE9\xF6") != std::string::npos;
    }
    EXPECT_GT(latin1, 10);
    EXPECT_LT(latin1, 300);
}

TEST(DemoRandomTest, SameSeedSameDrawsAndEveryDrawInRange) {
    DemoRandom a(42), b(42);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int v = a.Below(7);
        ASSERT_EQ(v, b.Below(7));
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        ++seen[v];
    }
    for (int count : seen) EXPECT_GT(count, 850);
    EXPECT_EQ(a.Below(0), 0);
    const double u = a.Unit();
    EXPECT_GE(u, 0.0);
    EXPECT_LT(u, 1.0);
}

}  // namespace
