#pragma once

#include "DemoWorld.h"

// Links the provinces by a Delaunay triangulation of their positions, thinned to borders that
// make sense: no land border across open sea (short straits stay in the map table, and only
// those within a continent in the placement table), no sea border across land, no border far
// longer than the provinces around it, at most 8 land neighbours per land province. Marks the
// coastal land provinces and gives each its nearest sea zone.
void LinkProvinces(DemoWorld& world);

// Delaunay triangulation of a set of points: the pairs of indices that share an edge.
struct PlanePoint {
    double x, y;
};
std::vector<std::pair<int, int>> DelaunayEdges(const std::vector<PlanePoint>& points);
