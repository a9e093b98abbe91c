#pragma once

#include <string>
#include <vector>

// A point of the globe in degrees: longitude (east positive, -170..190 on the game map) and
// latitude.
struct GeoPoint {
    double lon = 0;
    double lat = 0;
};

// Which group of provinces a land shape feeds; the province blocks cut the groups further.
enum class LandGroup { Europe, Asia, Africa, America, Oceania, Islands };

// One outline of land: a continent's main body or an island.
struct LandShape {
    std::string name;
    LandGroup group;
    std::string continent;  // continent name of its provinces
    std::string area;       // area of all its provinces, or empty to take the nearest seed
    std::vector<GeoPoint> outline;
};

// The land of the demo world, in drawing order: the first shape that holds a point owns it.
const std::vector<LandShape>& LandShapes();

bool ShapeContains(const LandShape& shape, GeoPoint p);

// The game map spans longitudes -170..190 and latitudes 82..-58 over 18,800 x 7,200 units.
int GameX(double lon);
int GameY(double lat);
